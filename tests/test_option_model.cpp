#include <QtTest>
class Placeholder : public QObject
{
    Q_OBJECT
private slots:
    void nothing() {}
};
QTEST_GUILESS_MAIN(Placeholder)
#include "test_option_model.moc"
