// The export end of the interoperability test: a log typed into the main window on every band, in both
// modes and both languages, exported with the frequency to the file named by ZEVO_ADIF_FILE.
// read-export.js runs this program and reads the file with an ADIF reader of its own.
#include "LogEntry.h"
#include "ScriptedDesktop.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

void Choose(TForm1& main, const char* box, const QString& item) {
    auto* combo = Find<QComboBox>(&main, box);
    const int index = combo->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void Retype(QWidget* window, const char* edit, const QString& text) {
    auto* field = Find<QLineEdit>(window, edit);
    field->setFocus();
    field->selectAll();
    Type(field, text);
}

} // namespace

class ExportTypedLog : public QObject {
    Q_OBJECT
private slots:
    void exportEveryBandModeAndLanguage();
};

void ExportTypedLog::exportEveryBandModeAndLanguage() {
    const QString path = qEnvironmentVariable("ZEVO_ADIF_FILE");
    if (path.isEmpty())
        QSKIP("read-export.js names the file to write");
    ScriptedDesktop desktop;
    Program program(desktop);
    TForm1& main = program.form1;
    ShowActive(&main);
    SetHeader(main);
    Retype(&main, "Edit2", "2026-04-05");

    const char* const bands[] = {"160M", "80M", "40M", "20M", "15M", "10M"};
    const char* const calls[2][6] = {{"qq1a", "qq2bb/p", "qq3ccc", "qq4dddd", "qq5e", "qq6ff"},
                                     {"sp1a", "sp2bb", "sp3ccc/m", "sp4dddd", "sp5e", "sp6ff"}};
    // A blank number and a province letter received among them.
    const char* const numbers[] = {"1", "22", "", "333", "K", "004444"};
    for (const bool polish : {false, true}) {
        if (polish) {
            QTest::mouseClick(Find<QRadioButton>(&main, "RadioButton1"), Qt::LeftButton);
            Choose(main, "ComboBox3", QString::fromUtf8("S  - \xc5\x9awi\xc4\x99tokrzyskie"));
        }
        for (int band = 0; band < 6; ++band) {
            const bool cw = (band % 2 == 1) != polish;
            Choose(main, "ComboBox1", QLatin1String(bands[band]));
            Choose(main, "ComboBox2", cw ? QStringLiteral("CW") : QStringLiteral("SSB"));
            // The header dialog sets these so for CW; the keyboard takes two digits.
            for (const char* report : {"Edit5", "Edit7"})
                Find<QLineEdit>(&main, report)->setText(cw ? QStringLiteral("599") : QStringLiteral("59"));
            Retype(&main, "Edit3",
                   QStringLiteral("%1:%2").arg(polish ? 16 : 15).arg(band * 7, 2, 10, QLatin1Char('0')));
            AddContact(main, QLatin1String(calls[polish][band]), QLatin1String(numbers[band]));
        }
    }
    QCOMPARE(main.LogList().Count(), 4 + 12);

    QTest::mouseClick(Find<QPushButton>(&main, "Button7"), Qt::LeftButton);
    TForm3& dialog = program.Form3();
    QVERIFY(dialog.isVisible());
    Retype(&dialog, "Edit1", QString::fromUtf8("ZEVO Contest 2026 \xc5\x81\xc3\xb3\x64\xc5\xba"));
    QTest::keyClick(Find<QCheckBox>(&dialog, "CheckBox1"), Qt::Key_Space);
    desktop.ChooseFile(path);
    desktop.Answer(Desktop::Answer::Ok);
    QTest::mouseClick(Find<QPushButton>(&dialog, "Button1"), Qt::LeftButton);
    QCOMPARE(desktop.Boxes().size(), 1);
    QCOMPARE(desktop.Boxes()[0].icon, Desktop::Icon::Information);
    VERIFY_SCRIPT_PLAYED(desktop);
}

QTEST_MAIN(ExportTypedLog)
#include "ExportTypedLog.moc"
