#pragma once

// What every test program runs under. ordovan_add_test compiles each test
// with this header included first, and QTEST_MAIN and QTEST_GUILESS_MAIN
// (redefined below) run the tests through ordovantest::exec(); a test with a
// main() of its own calls ordovantest::exec() in place of QTest::qExec().
//
// - Qt's warning of a connection that could not be made ("QObject::connect:
//   ...", "QObject::disconnect: ...": a signal or slot named in a string that
//   does not exist, which otherwise fails silently) fails the running test
//   function.
// - In the programs that link the widgets (ORDOVAN_TEST_WIDGETS): a message
//   box that is shown without passing through showMessageBox()
//   (ui/message_box.h) fails the running test function.

#include <QtTest/qtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QThread>

#include <cstdio>
#include <cstdlib>

#ifdef QT_WIDGETS_LIB
#include <QtWidgets/QApplication>
#endif

#ifdef ORDOVAN_TEST_WIDGETS
#include <QEvent>
#include <QMessageBox>

#include "ui/message_box.h"
#endif

namespace ordovantest {

// The handler of the test library, which logs every message.
inline QtMessageHandler &testLogHandler()
{
    static QtMessageHandler handler = nullptr;
    return handler;
}

inline void failRunningTest(const QString &what)
{
    const QByteArray text = what.toUtf8();
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread()) {
        QTest::qFail(text.constData(), __FILE__, __LINE__);
        return;
    }
    // Off the main thread no test function can be failed: end the program.
    std::fprintf(stderr, "%s\n", text.constData());
    std::abort();
}

inline void guardMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (testLogHandler())
        testLogHandler()(type, context, message);
    if (type == QtWarningMsg
        && (message.startsWith(QLatin1String("QObject::connect:"))
            || message.startsWith(QLatin1String("QObject::disconnect:"))))
        failRunningTest(QStringLiteral("A connection was not made: ") + message);
}

#ifdef ORDOVAN_TEST_WIDGETS
// The number of boxes that showMessageBox() is showing.
inline int &boxesThroughSeam()
{
    static int count = 0;
    return count;
}

class BoxWatch : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && boxesThroughSeam() == 0) {
            if (auto *box = qobject_cast<QMessageBox *>(watched))
                failRunningTest(QStringLiteral("A message box outside showMessageBox(): ") + box->windowTitle()
                                + QLatin1Char('|') + box->text());
        }
        return false;
    }
};

inline void watchBoxes()
{
    setMessageBoxShower([](const MessageBoxRequest &request) {
        ++boxesThroughSeam();
        const MessageBoxReply reply = execMessageBox(request);
        --boxesThroughSeam();
        return reply;
    });
    QCoreApplication::instance()->installEventFilter(new BoxWatch(QCoreApplication::instance()));
}
#endif

// QTest::qExec() with the guards in place: the test library installs its
// message handler when it starts, so the guard goes in after it.
inline int exec(QObject *testObject, int argc, char **argv)
{
    QTest::qInit(testObject, argc, argv);
    testLogHandler() = qInstallMessageHandler(guardMessages);
#ifdef ORDOVAN_TEST_WIDGETS
    watchBoxes();
#endif
    const int failures = QTest::qRun();
    QTest::qCleanup();
    return failures;
}

} // namespace ordovantest

#ifdef QT_WIDGETS_LIB
#define ORDOVAN_TEST_APPLICATION QApplication
#else
#define ORDOVAN_TEST_APPLICATION QCoreApplication
#endif

// The main() of both test kinds, with the application of each.
#define ORDOVAN_TEST_MAIN_WITH(Application, TestObject)                                                                \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                                             \
        Application app(argc, argv);                                                                                   \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        TestObject tc;                                                                                                 \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return ordovantest::exec(&tc, argc, argv);                                                                     \
    }

#undef QTEST_MAIN
#define QTEST_MAIN(TestObject) ORDOVAN_TEST_MAIN_WITH(ORDOVAN_TEST_APPLICATION, TestObject)

#undef QTEST_GUILESS_MAIN
#define QTEST_GUILESS_MAIN(TestObject) ORDOVAN_TEST_MAIN_WITH(QCoreApplication, TestObject)
