// Logging live: the UTC clock, the radio client against a radio that misbehaves, the Radio dialog, and
// a real rigctld.
#include "GuiTest.h"
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

QString LastLine(TForm1& form) {
    return QString::fromStdString(std::string(form.Document().Lines().back()));
}

// A rigctld of our own: it answers each question with the next scripted answer, then as a radio on
// 14.025 MHz CW. "late" answers after the client's patience, "close" hangs up.
class FakeRigctld final : public QObject {
public:
    explicit FakeRigctld(QByteArrayList script) : m_script(std::move(script)) {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
        });
    }
    quint16 Port() const { return m_server.serverPort(); }
    bool TwoInFlight() const { return m_twoInFlight; }

private:
    void Answer(QTcpSocket* socket) {
        const QByteArray question = socket->readAll();
        m_twoInFlight = m_twoInFlight || question.count('\n') > 1;
        const QByteArray normal = question.startsWith("+f") ? "get_freq:\nFrequency: 14025000\nRPRT 0\n"
                                                            : "get_mode:\nMode: CW\nPassband: 500\nRPRT 0\n";
        const QByteArray next = m_script.isEmpty() ? normal : m_script.takeFirst();
        if (next == "close")
            socket->close();
        else if (next == "late")
            QTimer::singleShot(1500, socket, [socket, normal] { socket->write(normal); });
        else
            socket->write(next);
    }

    QTcpServer m_server;
    QByteArrayList m_script;
    bool m_twoInFlight = false;
};

} // namespace

class TestLive : public QObject {
    Q_OBJECT
private slots:
    void clockStampsTheUtcMinute();
    void clientRidesOutAFaultyRadio_data();
    void clientRidesOutAFaultyRadio();
    void radioDialogChangesTheRadioOnlyWhenTaken_data();
    void radioDialogChangesTheRadioOnlyWhenTaken();
    void anEndedRigctldIsStartedAgain();
    void fieldsFollowARealRigctld();
};

void TestLive::clockStampsTheUtcMinute() {
    ScriptedDesktop desktop;
    desktop.SetUtcNow({QDate(2026, 4, 5), QTime(23, 59, 30), Qt::UTC});
    Program program(desktop, QString());
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* date = Find<QLineEdit>(&form, "Edit2");
    auto* time = Find<QLineEdit>(&form, "Edit3");
    Find<QAction>(&form, "ActionRealTime")->trigger();
    QCOMPARE(date->text() + u' ' + time->text(), QStringLiteral("2026-04-05 23:59"));
    QTest::keyClick(Find<QLineEdit>(&form, "Edit4"), Qt::Key_PageUp);
    QCOMPARE(time->text(), QStringLiteral("23:59"));
    AddContact(form, QStringLiteral("QQ2BBB"), QStringLiteral("1"));
    QCOMPARE(LastLine(form).mid(14, 15), QStringLiteral("2026-04-05 2359"));
    desktop.SetUtcNow({QDate(2026, 4, 6), QTime(0, 0, 5), Qt::UTC});
    QTRY_COMPARE_WITH_TIMEOUT(date->text() + u' ' + time->text(), QStringLiteral("2026-04-06 00:00"), 10000);
    AddContact(form, QStringLiteral("QQ3CCC"), QStringLiteral("2"));
    QCOMPARE(LastLine(form).mid(14, 15), QStringLiteral("2026-04-06 0000"));
    QCOMPARE(desktop.Settings().value(QStringLiteral("RealTime")), QVariant(true));
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLive::clientRidesOutAFaultyRadio_data() {
    QTest::addColumn<QByteArrayList>("script");
    QTest::addColumn<RigClient::State>("fault");
    QTest::addColumn<int>("error");
    QTest::newRow("answers late") << QByteArrayList{"late"} << RigClient::State::NotConnected << 0;
    QTest::newRow("answers garbage") << QByteArrayList{"hello\n"} << RigClient::State::NotConnected << 0;
    QTest::newRow("frequency no number")
        << QByteArrayList{"get_freq:\nFrequency: abc\nRPRT 0\n"} << RigClient::State::NotConnected << 0;
    QTest::newRow("RPRT -5") << QByteArrayList{"RPRT -5\n"} << RigClient::State::Failing << -5;
    QTest::newRow("closes the connection") << QByteArrayList{"close"} << RigClient::State::NotConnected << 0;
}

void TestLive::clientRidesOutAFaultyRadio() {
    QFETCH(QByteArrayList, script);
    QFETCH(RigClient::State, fault);
    QFETCH(int, error);
    FakeRigctld rigctld(script);
    RigClient client;
    QList<std::pair<RigClient::State, int>> seen;
    connect(&client, &RigClient::changed, &client, [&] {
        seen.append({client.CurrentState(), client.Error()});
    });
    client.Start(QStringLiteral("127.0.0.1"), rigctld.Port());
    QTRY_VERIFY_WITH_TIMEOUT(client.CurrentState() == RigClient::State::Reading, 15000);
    QCOMPARE(*client.Reading(), (zevo::RigReading{14025000, "CW"}));
    QVERIFY(seen.contains(std::pair{fault, error}));
    QVERIFY(!rigctld.TwoInFlight());
}

void TestLive::radioDialogChangesTheRadioOnlyWhenTaken_data() {
    QTest::addColumn<QString>("way"); // the dialog's radio button
    QTest::addColumn<QDialogButtonBox::StandardButton>("button");
    QTest::addColumn<QString>("status"); // what the status bar comes to say; empty: nothing
    QTest::addColumn<QString>("box");    // the start of the error box's text; empty: no box
    QTest::addColumn<RadioSettings::Way>("kept");
    QTest::newRow("a running rigctld, Cancel") << "RadioConnect" << QDialogButtonBox::Cancel << ""
                                               << "" << RadioSettings::Way::None;
    QTest::newRow("a running rigctld, OK") << "RadioConnect" << QDialogButtonBox::Ok << "Radio: 14.025 MHz CW"
                                           << "" << RadioSettings::Way::Connect;
    QTest::newRow("a rigctld to start that is not installed, OK")
        << "RadioStart" << QDialogButtonBox::Ok << ""
        << "rigctld could not be started: " << RadioSettings::Way::Start;
}

void TestLive::radioDialogChangesTheRadioOnlyWhenTaken() {
    QFETCH(QString, way);
    QFETCH(QDialogButtonBox::StandardButton, button);
    QFETCH(QString, status);
    QFETCH(QString, box);
    QFETCH(RadioSettings::Way, kept);
    FakeRigctld rigctld({});
    ScriptedDesktop desktop;
    if (!box.isEmpty())
        desktop.Answer(Desktop::Answer::Ok);
    Program program(desktop, QString());
    TForm1& form = program.form1;
    ShowActive(&form);
    // No rigctld can be found to start.
    const QTemporaryDir nowhere;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", nowhere.path().toLocal8Bit());
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->windowTitle() != QStringLiteral("Radio")) {
            if (dialog)
                dialog->close();
            return;
        }
        Find<QRadioButton>(dialog, qPrintable(way))->click();
        Find<QSpinBox>(dialog, "RadioPort")->setValue(rigctld.Port());
        dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    });
    Find<QAction>(&form, "ActionRadio")->trigger();
    qputenv("PATH", path);
    auto* shown = Find<QLabel>(&form, "RadioStatus");
    if (status.isEmpty()) {
        QTest::qWait(300);
        QVERIFY(shown->isHidden());
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(shown->text(), status, 10000);
    }
    QCOMPARE(desktop.Boxes().size(), box.isEmpty() ? 0 : 1);
    if (!box.isEmpty()) {
        QCOMPARE(desktop.Boxes().front().caption, QStringLiteral("Radio"));
        QVERIFY2(desktop.Boxes().front().text.startsWith(box), qPrintable(desktop.Boxes().front().text));
    }
    QCOMPARE(RadioSettings::Load(desktop).way, kept);
    VERIFY_SCRIPT_PLAYED(desktop);
}

// A rigctld started for a radio that is still off ends at once; it is started again until the radio is
// there, and no more once the operator chose another way.
void TestLive::anEndedRigctldIsStartedAgain() {
    const QTemporaryDir bin;
    QFile rigctld(bin.filePath(QStringLiteral("rigctld")));
    QVERIFY(rigctld.open(QIODevice::WriteOnly));
    rigctld.write(QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\nexit 1\n")
                      .arg(bin.filePath(QStringLiteral("starts")))
                      .toLocal8Bit());
    rigctld.close();
    rigctld.setPermissions(rigctld.permissions() | QFile::ExeOwner);
    const auto starts = [&bin] {
        QFile file(bin.filePath(QStringLiteral("starts")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit());
    ScriptedDesktop desktop;
    RadioSettings{.way = RadioSettings::Way::Start, .port = 4599, .model = 3073, .device = "/dev/ttyUSB7"}
        .Save(desktop);
    {
        Program program(desktop, QString());
        QTRY_COMPARE_WITH_TIMEOUT(starts().count('\n'), 2, 10000);
        QCOMPARE(Find<QLabel>(&program.form1, "RadioStatus")->text(), QStringLiteral("Radio: not connected"));
        program.form1.findChild<RadioLink*>()->Use(RadioSettings{}); // no radio
        QTest::qWait(4000);
    }
    qputenv("PATH", path);
    // Started again as it was, and no more.
    const QByteArray once = "-m 3073 -T 127.0.0.1 -t 4599 -r /dev/ttyUSB7\n";
    QCOMPARE(starts(), once + once);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestLive::fieldsFollowARealRigctld() {
    QTcpServer probe; // a free port on the loopback
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const int port = probe.serverPort();
    probe.close();
    ScriptedDesktop desktop;
    RadioSettings{.way = RadioSettings::Way::Start, .port = port, .model = 1, .device = {}}.Save(desktop);
    Program program(desktop, QString());
    TForm1& form = program.form1;
    ShowActive(&form);
    SetHeader(form);
    auto* status = Find<QLabel>(&form, "RadioStatus");
    const auto tune = [port](const QStringList& commands) {
        QCOMPARE(QProcess::execute(QStringLiteral("rigctl"),
                                   QStringList{"-m", "2", "-r", QStringLiteral("127.0.0.1:%1").arg(port)} +
                                       commands),
                 0);
    };
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("Radio: 145.000 MHz FM")), 15000);
    tune({"F", "7012345", "M", "CW", "500"});
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), QStringLiteral("Radio: 7.012 MHz CW"), 10000);
    QCOMPARE(Find<QComboBox>(&form, "ComboBox1")->currentText(), QStringLiteral("40M"));
    QCOMPARE(Find<QComboBox>(&form, "ComboBox2")->currentText(), QStringLiteral("CW"));
    QCOMPARE(Find<QLineEdit>(&form, "Edit5")->text(), QStringLiteral("599"));
    AddContact(form, QStringLiteral("QQ2BBB"), QStringLiteral("1"));
    QCOMPARE(LastLine(form).left(14), QStringLiteral("QSO:  7012 CW "));
    tune({"F", "14250000", "M", "USB", "2400"});
    QTRY_COMPARE_WITH_TIMEOUT(Find<QComboBox>(&form, "ComboBox2")->currentText(), QStringLiteral("SSB"),
                              10000);
    QCOMPARE(Find<QComboBox>(&form, "ComboBox1")->currentText(), QStringLiteral("20M"));
    // A band picked by hand holds, with its edge, until the radio moves.
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(4);
    AddContact(form, QStringLiteral("QQ3CCC"), QStringLiteral("2"));
    QCOMPARE(LastLine(form).left(14), QStringLiteral("QSO: 21000 PH "));
    Find<QComboBox>(&form, "ComboBox1")->setCurrentIndex(3);
    AddContact(form, QStringLiteral("QQ4DDD"), QStringLiteral("3"));
    QCOMPARE(LastLine(form).left(14), QStringLiteral("QSO: 14250 PH "));
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(TestLive)
#include "TestLive.moc"
