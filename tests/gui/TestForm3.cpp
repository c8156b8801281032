#include <QTest>
class TestForm3 : public QObject
{
    Q_OBJECT
};
QTEST_MAIN(TestForm3)
#include "TestForm3.moc"
