// Help pages, the About box and the legal notices, and the six catalogues:
// every text the sources hand to the translator is translated in each, and
// no text on the tabs and dialogs bypasses the translator.
#include <QtTest>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

#include "app/resources_init.h"
#include "app/translation.h"
#include "dialog_test_util.h"
#include "profiles/about_dialog.h"
#include "profiles/help_dialog.h"
#include "profiles/license_dialog.h"
#include "support/cups_test_util.h"
#include "ui/vel_tab_widget.h"

using namespace dialogtest;

namespace {

const QString sourceRoot = QStringLiteral(ORDOVAN_TEST_SOURCE_DIR "/..");
struct Message
{
    QString key, source, translation;
    bool finished;
};

// The messages of a catalogue; key: context, source and comment.
QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    QString context, source, comment;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name"))
            context = xml.readElementText();
        else if (name == QLatin1String("message"))
            comment.clear();
        else if (name == QLatin1String("source"))
            source = xml.readElementText();
        else if (name == QLatin1String("comment"))
            comment = xml.readElementText();
        else if (name == QLatin1String("translation"))
            messages << Message{context + '|' + source + '|' + comment, source, QString(),
                                xml.attributes().value(QLatin1String("type")).isEmpty()};
        if (name == QLatin1String("translation"))
            messages.last().translation = xml.readElementText();
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    for (auto it = QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text); it.hasNext();)
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

// Runs a Qt tool; its error output in *errors.
bool run(const QString &program, const QStringList &args, QString *errors)
{
    QProcess p;
    p.start(program, args);
    const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    *errors = QString::fromUtf8(p.readAllStandardError());
    return ok;
}

QString firstLine(const QTextEdit *edit) { return edit->toPlainText().section(QLatin1Char('\n'), 0, 0); }

} // namespace

class TestHelpAbout : public QObject
{
    Q_OBJECT

    ModalWatchdog watchdog;
    QTemporaryDir userBase, work;
    QString queue, bracedQueue, lupdateProblems;
    QList<Message> sources; // every text of the sources, as lupdate finds them
    QScopedPointer<QTranslator> translator;
    QScopedPointer<VelDialog> d;
    QStringList allowed, failures;

    void install(const QString &catalogue)
    {
        translator.reset(new QTranslator);
        QVERIFY(translator->load(catalogue));
        QCoreApplication::installTranslator(translator.data());
    }
    void open(const QString &name)
    {
        d.reset(new VelDialog(nullptr));
        userDir = userBase.path() + QStringLiteral("/");
        BoxCloser boxes;
        QVERIFY(selectQueue(*d, name));
        QCOMPARE(boxes.texts, QStringList());
    }

    // A text passes when all that is left outside the translations
    // ("[...]") and the printer description's texts ("{...}") is
    // punctuation, digits or a text shown as it is.
    void judge(const QWidget *w, const QString &shown)
    {
        QString text = Qt::mightBeRichText(shown) ? QTextDocumentFragment::fromHtml(shown).toPlainText() : shown;
        static const QRegularExpression marked(QStringLiteral("\\[[^\\[\\]]*\\]|\\{[^{}]*\\}"));
        for (QString before; before != text;) {
            before = text;
            text.replace(marked, QStringLiteral(" "));
        }
        for (const QString &same : qAsConst(allowed))
            text.replace(same, QStringLiteral(" "));
        if (!QRegularExpression(QStringLiteral("^[\\s\\p{P}\\p{S}\\p{N}]*$")).match(text).hasMatch())
            failures << QString::fromLatin1(w->metaObject()->className()) + " " + w->accessibleName() + ": " + shown;
    }
    void walk(QWidget *window)
    {
        judge(window, window->windowTitle());
        for (QWidget *w : window->findChildren<QWidget *>()) {
            // Hidden widgets too: a section or page shown later must be
            // translated as well.
            if (w->window() != window)
                continue;
            judge(w, w->toolTip());
            if (auto *label = qobject_cast<QLabel *>(w))
                judge(w, label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                judge(w, button->text());
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                judge(w, group->title());
            else if (auto *header = qobject_cast<QHeaderView *>(w))
                for (int i = 0; i < header->count(); ++i)
                    judge(w, header->model()->headerData(i, header->orientation()).toString());
        }
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        const QString c45 = QStringLiteral(ORDOVAN_TEST_DATA "/velmora-wexa-c45.ppd");
        queue = cupstest::uniqueQueueName(QStringLiteral("Help"));
        QVERIFY(cupstest::addQueue(queue, c45));
        // The same description with every option and choice text in braces,
        // so that the walk tells the printer's texts from the program's.
        QFile in(c45), out(work.filePath(QStringLiteral("braced.ppd")));
        QVERIFY(in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly));
        out.write(QString::fromUtf8(in.readAll())
                      .replace(QRegularExpression(QStringLiteral("^(\\*[^\\s:/]+ \\*?[^\\s:/]+)/([^:\\n]+):"),
                                                  QRegularExpression::MultilineOption),
                               QStringLiteral("\\1/{\\2}:"))
                      .toUtf8());
        out.close();
        bracedQueue = cupstest::uniqueQueueName(QStringLiteral("Brackets"));
        QVERIFY(cupstest::addQueue(bracedQueue, out.fileName()));

        const QString ts = work.filePath(QStringLiteral("sources.ts"));
        QString errors;
        if (!run(QStringLiteral(ORDOVAN_LUPDATE), {"-locations", "none", sourceRoot + "/src", "-ts", ts}, &errors))
            lupdateProblems = QStringLiteral("lupdate failed: ");
        // A text that lupdate cannot place is a text no catalogue holds.
        for (const QString &line : errors.split(QLatin1Char('\n')))
            lupdateProblems += line.contains(QLatin1String("/src/")) ? line + '\n' : QString();
        sources = readCatalogue(ts);
    }
    void cleanupTestCase()
    {
        cupstest::removeQueue(queue);
        cupstest::removeQueue(bracedQueue);
    }
    void init() { resetProgramState(); }
    void cleanup()
    {
        d.reset();
        translator.reset();
    }

    void helpFollowsTabs_data()
    {
        QTest::addColumn<QString>("catalogue");
        QTest::newRow("English") << ":/strings/english";
        QTest::newRow("French") << ":/strings/french";
    }
    void helpFollowsTabs()
    {
        QFETCH(QString, catalogue);
        install(catalogue);
        open(queue);
        const QStringList titles = {"Printer", "Basic", "Layout", "Finishing", "Imaging",
                                    "Publishing", "Job", "Watermark", "uLmera"};
        QCOMPARE(firstLine(d->helpDialog->textEdit), QStringLiteral("Printer"));
        QCOMPARE(d->tabWidget->count(), titles.size());
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 0}) {
            d->tabWidget->setCurrentIndex(i);
            QCOMPARE(firstLine(d->helpDialog->textEdit), titles.at(i));
        }
        QCOMPARE(d->tabWidget->tabText(1), QString(catalogue.endsWith("french") ? "Base" : "Basic"));
    }

    void helpPages()
    {
        const QStringList pages = {
            "Printer|Selecting installed options|Selecting default driver settings",
            "Basic|Print size|Media Type|Source|Destination|Collate|Duplex|Color",
            "Layout|Booklet",
            "Finishing|Separation|Fold settings|Applying fold settings|Staple|Punch|Rotate 180°",
            "Imaging|Trapping|Gloss mode|CIE optimization|Halftone screen|Resolution|Tonsave|Color|Adjustment"
            "|Color reproduction|Color conversion|VIR|Print grays with black toner|Moire Prevention",
            "Publishing|Cover Mode|Page Insert|Transparency Interleaving",
            "Job|Job settings|Quick copy|Proof and hold|Job storage|Private print|Custom box|Job accounting"
            "|Creating an account ID list|Printing with Job accounting|User login|Printing with User login|Job name"
            "|Job e-mail notification",
            "Watermark|Adding a custom watermark|Printing a document with a watermark or stamp|Super watermark"
            "|Creating a super watermark|Printing a document with a super watermark",
            "Quorix", "uLmera"};
        QSet<QString> resources;
        for (const QString &page : pages) {
            const QString topic = page.section('|', 0, 0);
            resources << HelpDialog::helpResourceForTopic(topic);
            QXmlStreamReader xml(HelpDialog::loadHelpText(topic));
            QStringList headings;
            QString version;
            while (!xml.atEnd()) {
                if (xml.readNext() == QXmlStreamReader::StartDocument)
                    version = xml.documentVersion() + ' ' + xml.documentEncoding();
                else if (xml.isStartElement() && xml.name().startsWith('h') && xml.name().size() == 2)
                    headings << xml.name().toString() + ' ' + xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            QVERIFY2(!xml.hasError(), qPrintable(topic + ": " + xml.errorString()));
            QCOMPARE(version, QStringLiteral("1.0 UTF-8"));
            QCOMPARE(headings.join('|').remove(QRegularExpression("h\\d ")), page);
        }
        QCOMPARE(resources.size(), pages.size());
        QCOMPARE(HelpDialog::helpResourceForTopic(QStringLiteral("Base")), QStringLiteral(":/strings/help_printer"));
    }

    void aboutAndNotices()
    {
        const QImage painted = AboutDialog::aboutPixmap().toImage();
        const QImage bare = QImage(QStringLiteral(":/icons/about-background-wr")).convertToFormat(painted.format());
        QCOMPARE(painted.size(), QSize(483, 310));
        // "Version 9.4.0" and the two lines of the maker notice.
        for (const QRect &line : {QRect(20, 186, 150, 18), QRect(20, 272, 150, 10), QRect(20, 287, 150, 10)})
            QVERIFY(painted.copy(line) != bare.copy(line));

        open(queue);
        QStringList seen;
        {
            ModalPoller poll(
                [&](QWidget *modal) {
                    if (auto *about = qobject_cast<AboutDialog *>(modal)) {
                        seen << about->windowTitle();
                        QTimer::singleShot(0, seen.size() == 1 ? about->legalNoticesButton : about->closeButton,
                                           &QPushButton::click);
                    } else if (auto *notices = qobject_cast<LicenseDialog *>(modal)) {
                        seen << notices->windowTitle()
                                + (notices->parentWidget() == d->aboutDialog ? " over About" : "");
                        QVERIFY(notices->textEdit->toPlainText() == LicenseDialog::licenseText());
                        notices->buttonBox->button(QDialogButtonBox::Ok)->click();
                    }
                },
                50);
            d->aboutButton->click();
        }
        QCOMPARE(seen, (QStringList{"About", "Legal Notices over About", "About"}));
        QCOMPARE(d->aboutDialog->size(), d->aboutDialog->sizeHint());

        const QString text = LicenseDialog::licenseText();
        QVERIFY(text.section('\n', 0, 0).contains(QLatin1String("Velmora")));
        for (const char *name : {"Qt 5", "CUPS", "OpenSSL 3", "GNU LESSER GENERAL PUBLIC LICENSE",
                                 "GNU GENERAL PUBLIC LICENSE", "Apache License", "linked dynamically", "libssl",
                                 "libcrypto"})
            QVERIFY2(text.contains(QLatin1String(name)), name);
        for (const char *name : {"curl", "PyPDF", "SSLeay", "\"AS IS\"BASIS"})
            QVERIFY2(!text.contains(QLatin1String(name), Qt::CaseInsensitive), name);
        // The licences in their published wording.
        for (const char *name : {"Apache-2.0", "LGPL-3", "GPL-3"}) {
            QFile published(QStringLiteral("/usr/share/common-licenses/") + name);
            if (published.open(QIODevice::ReadOnly))
                QVERIFY2(text.contains(QString::fromUtf8(published.readAll()).trimmed()), name);
        }
    }

    void catalogues_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"english", "french", "german", "italian", "portuguese", "spanish"})
            QTest::newRow(language) << QString::fromLatin1(language);
    }
    void catalogues()
    {
        QFETCH(QString, language);
        QVERIFY2(lupdateProblems.isEmpty(), qPrintable(lupdateProblems));
        QVERIFY(sources.size() > 100);
        QHash<QString, Message> catalogue;
        QStringList faults;
        const QList<Message> messages = readCatalogue(sourceRoot + "/resources/translations/" + language + ".ts");
        for (const Message &m : messages) {
            if (catalogue.contains(m.key))
                faults << "twice: " + m.key;
            catalogue.insert(m.key, m);
        }
        for (const Message &s : qAsConst(sources)) {
            const Message m = catalogue.take(s.key);
            if (m.key.isEmpty())
                faults << "missing: " + s.key;
            else if (!m.finished || m.translation.trimmed().isEmpty())
                faults << "unfinished: " + s.key;
            else if (placeholders(m.translation) != placeholders(s.source))
                faults << "placeholders: " + s.key + " -> " + m.translation;
            else if (language == QLatin1String("english") && m.translation != s.source)
                faults << "not the source: " + s.key;
        }
        for (const Message &m : qAsConst(catalogue))
            faults << "no longer in the sources: " + m.key;

        // No translation uses wording that the glossary's "Not" column of
        // its language rules out.
        QFile glossary(sourceRoot + "/resources/translations/GLOSSARY.md");
        QVERIFY(glossary.open(QIODevice::ReadOnly));
        const QStringList sections = QString::fromUtf8(glossary.readAll()).split(QStringLiteral("\n## "));
        const QStringList own =
            sections.filter(QRegularExpression("^" + language + "\\b", QRegularExpression::CaseInsensitiveOption));
        QCOMPARE(own.size(), language == QLatin1String("english") ? 0 : 1);
        for (const QString &line : own.value(0).split('\n')) {
            const QStringList cells = line.split('|'); // | English | Use | Not |
            if (cells.size() != 5 || cells.at(1).trimmed() == QLatin1String("English"))
                continue;
            for (const QString &ruledOut : cells.at(3).split(',')) {
                for (const Message &m : messages) {
                    if (!ruledOut.trimmed().isEmpty() && m.translation.contains(ruledOut.trimmed()))
                        faults << "not the glossary's word: " + m.translation;
                }
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void textsPassTheTranslator()
    {
        // A catalogue that shows every translated text in brackets.
        QVERIFY2(lupdateProblems.isEmpty(), qPrintable(lupdateProblems));
        QFile in(work.filePath(QStringLiteral("sources.ts"))), ts(work.filePath(QStringLiteral("brackets.ts")));
        QVERIFY(in.open(QIODevice::ReadOnly) && ts.open(QIODevice::WriteOnly));
        ts.write(QString::fromUtf8(in.readAll())
                     .replace(QRegularExpression(QStringLiteral("<source>(.*?)</source>(\\s*(?:<comment>.*?</comment>)?"
                                                                "\\s*)<translation type=\"unfinished\"></translation>"),
                                                 QRegularExpression::DotMatchesEverythingOption),
                              QStringLiteral("<source>\\1</source>\\2<translation>[\\1]</translation>"))
                     .toUtf8());
        ts.close();
        const QString qm = work.filePath(QStringLiteral("brackets.qm"));
        QString errors;
        QVERIFY2(run(QStringLiteral(ORDOVAN_LRELEASE), {"-silent", ts.fileName(), "-qm", qm}, &errors),
                 qPrintable(errors));
        install(qm);

        open(bracedQueue);
        allowed = QStringList{bracedQueue, "uLmera", "ERROR 1", "ERROR 2", "ERROR 3", "?",
                              QStringLiteral(ORDOVAN_VERSION), rotate180Text()};
        d->show();
        for (int i = 0; i < d->tabWidget->count(); ++i) {
            if (!d->tabWidget->isTabEnabled(i))
                continue;
            judge(d->tabWidget, d->tabWidget->tabText(i));
            d->tabWidget->setCurrentIndex(i);
            walk(d.data());
        }
        for (QDialog *dialog : d->findChildren<QDialog *>()) {
            if (dialog->metaObject()->indexOfSlot("fillProfileTable()") >= 0)
                QMetaObject::invokeMethod(dialog, "fillProfileTable");
            QMetaObject::invokeMethod(dialog, "show");
            walk(dialog);
            dialog->hide();
        }
        failures.removeDuplicates();
        QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
    }
};

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
