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
#include <QTableView>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeView>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "app/credential_cipher.h"
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
const QStringList englishTitles = {"Printer", "Basic", "Layout", "Finishing", "Imaging",
                                   "Publishing", "Job", "Watermark", "uLmera"};

// Classes whose texts are still being written; their catalogue entries and
// widgets are judged once they are complete.
const QStringList pendingClasses = {"ImagingTab"};

struct Message
{
    QString context, source, comment, translation;
    bool finished = false;
    QString key() const { return context + QLatin1Char('|') + source + QLatin1Char('|') + comment; }
};

QList<Message> readCatalogue(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            m = Message{context, {}, {}, {}, false};
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            m.comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            m.translation = xml.readElementText();
            messages << m;
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

QStringList placeholders(const QString &text)
{
    QStringList found;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("%[1-9]")).globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

bool run(const QString &program, const QStringList &args, QString *errors)
{
    QProcess p;
    p.start(program, args);
    const bool ok = p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    *errors = QString::fromUtf8(p.readAllStandardError());
    return ok;
}

// Every text the sources pass to the translator, as lupdate finds them.
QList<Message> sourceTexts(const QString &dir, QString *problems)
{
    const QString ts = dir + QStringLiteral("/sources.ts");
    QString errors;
    if (!run(QStringLiteral(ORDOVAN_LUPDATE),
             {"-no-obsolete", "-locations", "none", sourceRoot + "/src", "-ts", ts}, &errors))
        *problems = QStringLiteral("lupdate failed: ") + errors;
    // A text lupdate cannot place is a text no catalogue will hold.
    for (const QString &line : errors.split(QLatin1Char('\n'))) {
        if (line.contains(QLatin1String("/src/")))
            *problems += line + QLatin1Char('\n');
    }
    return readCatalogue(ts);
}

bool pending(const QString &context) { return pendingClasses.contains(context); }

bool pendingWidget(const QWidget *w)
{
    for (; w; w = w->parentWidget()) {
        if (pendingClasses.contains(QString::fromLatin1(w->metaObject()->className())))
            return true;
    }
    return false;
}

QString firstLine(const QTextEdit *edit) { return edit->toPlainText().section(QLatin1Char('\n'), 0, 0); }

} // namespace

class TestHelpAbout : public QObject
{
    Q_OBJECT

    ModalWatchdog watchdog;
    QTemporaryDir userBase;
    QTemporaryDir work;
    QString queue;
    QString bracedQueue;
    QScopedPointer<QTranslator> translator;
    QScopedPointer<VelDialog> d;
    QSet<QString> failures;
    QStringList allowed;

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
    void judge(const QWidget *w, const QString &what, QString text)
    {
        const QString shown = text;
        if (Qt::mightBeRichText(text))
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
        static const QRegularExpression marked(QStringLiteral("\\[[^\\[\\]]*\\]|\\{[^{}]*\\}"));
        for (QString next = text;; text = next) {
            next.replace(marked, QStringLiteral(" "));
            if (next == text)
                break;
        }
        for (const QString &same : qAsConst(allowed))
            text.replace(same, QStringLiteral(" "));
        static const QRegularExpression neutral(QStringLiteral("^[\\s\\p{P}\\p{S}\\p{N}]*$"));
        if (!neutral.match(text).hasMatch())
            failures << QStringLiteral("%1 \"%2\" %3: %4")
                            .arg(QString::fromLatin1(w->metaObject()->className()), w->accessibleName(), what, shown);
    }
    void walk(QWidget *window)
    {
        judge(window, "title", window->windowTitle());
        QList<QWidget *> widgets = window->findChildren<QWidget *>();
        widgets.prepend(window);
        for (QWidget *w : qAsConst(widgets)) {
            if (w->window() != window || !w->isVisibleTo(window) || pendingWidget(w))
                continue;
            judge(w, "tooltip", w->toolTip());
            if (auto *label = qobject_cast<QLabel *>(w))
                judge(w, "text", label->text());
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                judge(w, "text", button->text());
            else if (auto *group = qobject_cast<QGroupBox *>(w))
                judge(w, "title", group->title());
            QHeaderView *header = nullptr;
            if (auto *table = qobject_cast<QTableView *>(w))
                header = table->horizontalHeader();
            else if (auto *tree = qobject_cast<QTreeView *>(w))
                header = tree->header();
            if (header && !header->isHidden()) {
                for (int i = 0; i < header->count(); ++i)
                    judge(w, "header", header->model()->headerData(i, Qt::Horizontal).toString());
            }
        }
    }

private slots:
    void initTestCase()
    {
        initOrdovanResources();
        QVERIFY(cupstest::usingPrivateServer());
        queue = cupstest::uniqueQueueName(QStringLiteral("Help"));
        QVERIFY(cupstest::addQueue(queue, QStringLiteral(ORDOVAN_TEST_DATA "/velmora-wexa-c45.ppd")));
        // The same description with every option and choice text in braces,
        // so that the walk tells the printer's texts from the program's.
        QFile in(QStringLiteral(ORDOVAN_TEST_DATA "/velmora-wexa-c45.ppd"));
        QVERIFY(in.open(QIODevice::ReadOnly));
        QString ppd = QString::fromUtf8(in.readAll());
        ppd.replace(QRegularExpression(QStringLiteral("^(\\*[^\\s:/]+ \\*?[^\\s:/]+)/([^:\\n]+):"),
                                       QRegularExpression::MultilineOption),
                    QStringLiteral("\\1/{\\2}:"));
        QFile out(work.filePath(QStringLiteral("braced.ppd")));
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(ppd.toUtf8()) > 0);
        out.close();
        bracedQueue = cupstest::uniqueQueueName(QStringLiteral("Brackets"));
        QVERIFY(cupstest::addQueue(bracedQueue, out.fileName()));
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
        if (translator)
            QCoreApplication::removeTranslator(translator.data());
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
        QCOMPARE(firstLine(d->helpDialog->textEdit), QStringLiteral("Printer"));
        QCOMPARE(d->tabWidget->count(), englishTitles.size());
        for (int i : {1, 2, 3, 4, 5, 6, 7, 8, 0}) {
            d->tabWidget->setCurrentIndex(i);
            QCOMPARE(firstLine(d->helpDialog->textEdit), englishTitles.at(i));
        }
        if (catalogue.endsWith(QLatin1String("french")))
            QCOMPARE(d->tabWidget->tabText(1), QStringLiteral("Base"));
    }

    void helpPages()
    {
        const QList<QPair<QString, QStringList>> pages = {
            {"Printer", {"Selecting installed options", "Selecting default driver settings"}},
            {"Basic", {"Print size", "Media Type", "Source", "Destination", "Collate", "Duplex", "Color"}},
            {"Layout", {"Booklet"}},
            {"Finishing", {"Separation", "Fold settings", "Applying fold settings", "Staple", "Punch",
                           QStringLiteral("Rotate 180°")}},
            {"Imaging", {"Trapping", "Gloss mode", "CIE optimization", "Halftone screen", "Resolution", "Tonsave",
                         "Color", "Adjustment", "Color reproduction", "Color conversion", "VIR",
                         "Print grays with black toner", "Moire Prevention"}},
            {"Publishing", {"Cover Mode", "Page Insert", "Transparency Interleaving"}},
            {"Job", {"Job settings", "Quick copy", "Proof and hold", "Job storage", "Private print", "Custom box",
                     "Job accounting", "Creating an account ID list", "Printing with Job accounting", "User login",
                     "Printing with User login", "Job name", "Job e-mail notification"}},
            {"Watermark", {"Adding a custom watermark", "Printing a document with a watermark or stamp",
                           "Super watermark", "Creating a super watermark",
                           "Printing a document with a super watermark"}},
            {"Quorix", {}},
            {"uLmera", {}},
        };
        QSet<QString> resources;
        for (const auto &page : pages) {
            resources << HelpDialog::helpResourceForTopic(page.first);
            QXmlStreamReader xml(HelpDialog::loadHelpText(page.first));
            QStringList h1, h2;
            QString version;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isStartDocument())
                    version = xml.documentVersion() + QLatin1Char(' ') + xml.documentEncoding();
                else if (xml.isStartElement() && xml.name() == QLatin1String("h1"))
                    h1 << xml.readElementText(QXmlStreamReader::IncludeChildElements);
                else if (xml.isStartElement() && xml.name() == QLatin1String("h2"))
                    h2 << xml.readElementText(QXmlStreamReader::IncludeChildElements);
            }
            QVERIFY2(!xml.hasError(), qPrintable(page.first + ": " + xml.errorString()));
            QCOMPARE(version, QStringLiteral("1.0 UTF-8"));
            QCOMPARE(h1, QStringList{page.first});
            QCOMPARE(h2, page.second);
        }
        QCOMPARE(resources.size(), pages.size());
        QCOMPARE(HelpDialog::helpResourceForTopic(QStringLiteral("Base")), QStringLiteral(":/strings/help_printer"));
    }

    void aboutAndNotices()
    {
        const QPixmap painted = AboutDialog::aboutPixmap();
        const QImage bare(QStringLiteral(":/icons/about-background-wr"));
        QCOMPARE(painted.size(), QSize(483, 310));
        QCOMPARE(bare.size(), QSize(483, 310));
        const QRect version(20, 186, 150, 18);
        QVERIFY(painted.toImage().copy(version) != bare.convertToFormat(painted.toImage().format()).copy(version));

        open(queue);
        QStringList seen;
        QTimer poll;
        int step = 0;
        connect(&poll, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *about = qobject_cast<AboutDialog *>(modal);
            auto *notices = qobject_cast<LicenseDialog *>(modal);
            if (step == 0 && about) {
                seen << about->windowTitle();
                ++step;
                QTimer::singleShot(0, about->legalNoticesButton, &QPushButton::click);
            } else if (step == 1 && notices) {
                seen << notices->windowTitle() + (notices->parentWidget() == d->aboutDialog ? " over About" : "");
                seen << QString::number(notices->textEdit->toPlainText() == LicenseDialog::licenseText());
                ++step;
                notices->buttonBox->button(QDialogButtonBox::Ok)->click();
            } else if (step == 2 && about) {
                ++step;
                about->closeButton->click();
            }
        });
        poll.start(20);
        ++expectedBoxes();
        d->aboutButton->click();
        --expectedBoxes();
        QCOMPARE(seen, (QStringList{"About", "Legal Notices over About", "1"}));
        QCOMPARE(d->aboutDialog->size(), d->aboutDialog->sizeHint());

        const QString text = LicenseDialog::licenseText();
        QVERIFY(text.section(QLatin1Char('\n'), 0, 0).contains(QLatin1String("Velmora")));
        for (const char *name : {"Qt 5", "CUPS", "OpenSSL 3", "GNU LESSER GENERAL PUBLIC LICENSE",
                                 "GNU GENERAL PUBLIC LICENSE", "Apache License", "linked dynamically"})
            QVERIFY2(text.contains(QLatin1String(name)), name);
        for (const char *name : {"curl", "PyPDF", "SSLeay"})
            QVERIFY2(!text.contains(QLatin1String(name), Qt::CaseInsensitive), name);
        // The licences in their published wording.
        for (const char *name : {"Apache-2.0", "LGPL-3", "GPL-3"}) {
            QFile published(QStringLiteral("/usr/share/common-licenses/") + QLatin1String(name));
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
        QString problems;
        const QList<Message> sources = sourceTexts(work.path(), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        QVERIFY(sources.size() > 100);
        QHash<QString, Message> catalogue;
        QStringList faults;
        for (const Message &m : readCatalogue(sourceRoot + "/resources/translations/" + language + ".ts")) {
            if (catalogue.contains(m.key()))
                faults << "twice: " + m.key();
            catalogue.insert(m.key(), m);
        }
        QVERIFY(!catalogue.isEmpty());
        for (const Message &s : sources) {
            if (pending(s.context))
                continue;
            const Message m = catalogue.take(s.key());
            if (m.source.isEmpty())
                faults << "missing: " + s.key();
            else if (!m.finished || m.translation.trimmed().isEmpty())
                faults << "unfinished: " + s.key();
            else if (placeholders(m.translation) != placeholders(s.source))
                faults << "placeholders: " + s.key() + " -> " + m.translation;
            else if (language == QLatin1String("english") && m.translation != s.source)
                faults << "not the source: " + s.key();
        }
        for (const Message &m : qAsConst(catalogue)) {
            if (!pending(m.context))
                faults << "no longer in the sources: " + m.key();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void textsPassTheTranslator()
    {
        // A catalogue that shows every translated text in brackets.
        QString problems;
        const QList<Message> sources = sourceTexts(work.path(), &problems);
        QVERIFY2(problems.isEmpty(), qPrintable(problems));
        const QString ts = work.filePath(QStringLiteral("brackets.ts"));
        QFile file(ts);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QXmlStreamWriter xml(&file);
        xml.writeStartDocument();
        xml.writeStartElement(QStringLiteral("TS"));
        xml.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
        for (const Message &m : sources) {
            xml.writeStartElement(QStringLiteral("context"));
            xml.writeTextElement(QStringLiteral("name"), m.context);
            xml.writeStartElement(QStringLiteral("message"));
            xml.writeTextElement(QStringLiteral("source"), m.source);
            if (!m.comment.isEmpty())
                xml.writeTextElement(QStringLiteral("comment"), m.comment);
            xml.writeTextElement(QStringLiteral("translation"), QLatin1Char('[') + m.source + QLatin1Char(']'));
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndDocument();
        file.close();
        const QString qm = work.filePath(QStringLiteral("brackets.qm"));
        QVERIFY2(run(QStringLiteral(ORDOVAN_LRELEASE), {"-silent", ts, "-qm", qm}, &problems), qPrintable(problems));
        install(qm);

        open(bracedQueue);
        allowed = QStringList{bracedQueue, "uLmera", "ERROR 1", "ERROR 2", "ERROR 3", "?",
                              QStringLiteral(ORDOVAN_VERSION), rotate180Text()};
        d->show();
        for (int i = 0; i < d->tabWidget->count(); ++i) {
            if (!d->tabWidget->isTabEnabled(i) || pendingWidget(d->tabs.at(i)))
                continue;
            judge(d->tabWidget, "tab", d->tabWidget->tabText(i));
            d->tabWidget->setCurrentIndex(i);
            QCoreApplication::processEvents();
            walk(d.data());
        }
        for (QDialog *dialog : d->findChildren<QDialog *>()) {
            if (pendingWidget(dialog))
                continue;
            if (dialog->metaObject()->indexOfSlot("fillProfileTable()") >= 0)
                QMetaObject::invokeMethod(dialog, "fillProfileTable");
            QMetaObject::invokeMethod(dialog, "show");
            QCoreApplication::processEvents();
            walk(dialog);
            dialog->hide();
        }
        QStringList found = failures.values();
        found.sort();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestHelpAbout)
#include "test_help_about.moc"
