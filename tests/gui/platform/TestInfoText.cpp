#include "platform/InfoText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

// "Info" must find its texts both in the build folder and in an installed layout.
class TestInfoText final : public QObject {
    Q_OBJECT

private slots:
    void looksBesideTheProgramThenInTheDataFolder_data();
    void looksBesideTheProgramThenInTheDataFolder();
};

void TestInfoText::looksBesideTheProgramThenInTheDataFolder_data() {
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("expected");
    const QString beside = QStringLiteral(ZEVO_INSTALL_BINDIR "/info_pl.txt");
    const QString installed = QStringLiteral(ZEVO_INSTALL_DATADIR "/info_pl.txt");
    QTest::newRow("beside the program") << QStringList{beside} << beside;
    QTest::newRow("beside wins over installed") << QStringList{installed, beside} << beside;
    QTest::newRow("installed") << QStringList{installed} << installed;
    QTest::newRow("other language installed")
        << QStringList{QStringLiteral(ZEVO_INSTALL_DATADIR "/info_eng.txt")} << beside;
    QTest::newRow("nowhere") << QStringList{} << beside;
}

void TestInfoText::looksBesideTheProgramThenInTheDataFolder() {
    QFETCH(QStringList, present);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    QDir root(prefix.path());
    QVERIFY(root.mkpath(QStringLiteral(ZEVO_INSTALL_BINDIR)));
    for (const QString& file : present) {
        QVERIFY(root.mkpath(QFileInfo(root.filePath(file)).path()));
        QFile text(root.filePath(file));
        QVERIFY(text.open(QIODevice::WriteOnly));
    }
    QCOMPARE(InfoTextPath(root.filePath(QStringLiteral(ZEVO_INSTALL_BINDIR)), QStringLiteral("info_pl.txt")),
             root.filePath(expected));
}

QTEST_GUILESS_MAIN(TestInfoText)
#include "TestInfoText.moc"
