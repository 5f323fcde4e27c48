// The pieces every window stands on: the Windows-1250 edge and the uniform error box.
#include "RunTimeError.h"
#include "ScriptedDesktop.h"
#include "log/LogListModel.h"
#include "platform/Guard.h"
#include "platform/QtDesktop.h"
#include "platform/Win1250.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <QtTest>
#include <stdexcept>

class TestPlatform : public QObject {
    Q_OBJECT
private slots:
    void everyWindows1250ByteSurvivesTheWindowEdge();
    void polishLettersHaveTheirWindows1250Bytes();
    void charactersWithoutAByteBecomeQuestionMarks();
    void uncaughtFailureShowsTheUniformErrorBox_data();
    void uncaughtFailureShowsTheUniformErrorBox();
    void logListKeepsTheBytesItWasGiven();
    void desktopFilterListBecomesDialogFilters();
    void desktopShowsARealMessageBox_data();
    void desktopShowsARealMessageBox();
    void desktopShowsARealSaveDialog();
    void polishBoxesHavePolishButtons();
    void desktopHandsATextFileToItsEditor();

public slots:
    void Opened(const QUrl& url) { m_opened << url; }

private:
    QList<QUrl> m_opened;
};

namespace {

// Runs `inspect` on the modal window as soon as it appears, then closes it with `close`, even when
// a check in between fails, so that a failing test never hangs on an open box.
template <typename Window>
void WhenModalAppears(const std::function<void(Window*)>& inspect,
                      const std::function<void(Window*)>& close) {
    QTimer::singleShot(0, [=] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
            return;
        }
        inspect(window);
        close(window);
    });
}

} // namespace

void TestPlatform::everyWindows1250ByteSurvivesTheWindowEdge() {
    for (int byte = 1; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        const QString shown = FromWin1250(one);
        QCOMPARE(shown.size(), 1);
        if (shown.at(0) == QChar::ReplacementCharacter)
            continue; // one of the five bytes that Windows-1250 leaves undefined
        QCOMPARE(ToWin1250(shown), one);
    }
}

void TestPlatform::polishLettersHaveTheirWindows1250Bytes() {
    const QString letters = QString::fromUtf8("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    const std::string bytes = "\xb9\xe6\xea\xb3\xf1\xf3\x9c\x9f\xbf\xa5\xc6\xca\xa3\xd1\xd3\x8c\x8f\xaf";
    QCOMPARE(ToWin1250(letters), bytes);
    QCOMPARE(FromWin1250(bytes), letters);
    QVERIFY(FitsWin1250(letters));
}

void TestPlatform::charactersWithoutAByteBecomeQuestionMarks() {
    QVERIFY(!FitsWin1250(QString::fromUtf8("Ш")));
    QCOMPARE(ToWin1250(QString::fromUtf8("aШb😀c")), std::string("a?b?c"));
}

void TestPlatform::uncaughtFailureShowsTheUniformErrorBox_data() {
    QTest::addColumn<bool>("runTime"); // a run-time error, or any other failure of the library
    QTest::addColumn<QString>("thrown");
    QTest::addColumn<QString>("shown");
    QTest::newRow("file") << true << "File not found"
                          << "File not found.";
    QTest::newRow("integer") << true << "'12A' is not a valid integer value"
                             << "'12A' is not a valid integer value.";
    QTest::newRow("io") << true << "I/O error 5"
                        << "I/O error 5.";
    QTest::newRow("full stop") << true << "Disk full."
                               << "Disk full.";
    QTest::newRow("other failure") << false << "basic_string::_M_create"
                                   << "basic_string::_M_create.";
    QTest::newRow("other, full stop") << false << "Out of memory."
                                      << "Out of memory.";
}

void TestPlatform::uncaughtFailureShowsTheUniformErrorBox() {
    QFETCH(bool, runTime);
    QFETCH(QString, thrown);
    QFETCH(QString, shown);
    ScriptedDesktop desktop;
    QWidget window;
    desktop.Expect("ZEVO Contest", shown, Desktop::Icon::Error, Desktop::Buttons::Ok, Desktop::Answer::Ok);
    bool before = false;
    // The failure leaves the handler at its failing step: what it did before stays done, and the
    // program goes on after the box.
    RunGuarded(desktop, &window, [&] {
        before = true;
        if (runTime)
            throw zevo::RunTimeError(thrown.toStdString());
        throw std::length_error(thrown.toStdString());
    });
    QVERIFY(before);
    VERIFY_SCRIPT_PLAYED(desktop);
}

void TestPlatform::logListKeepsTheBytesItWasGiven() {
    zevo::LogDocument document;
    LogListModel log(document);
    // Every change reported to the views as the model rules ask (rows counted, inserts announced).
    QAbstractItemModelTester rules(&log, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const std::string polish = "SOAPBOX: \xa3\xf3\x64\x9f"; // "Łódź" in Windows-1250
    document.Append("START-OF-LOG: 2.0");
    document.Append(polish);
    document.Append("END-OF-LOG:");
    document.Append("QSO: x");
    document.Append("END-OF-LOG:");
    QCOMPARE(log.data(log.index(1), Qt::DisplayRole).toString(), QString::fromUtf8("SOAPBOX: Łódź"));
    document.MoveToEnd("END-OF-LOG:");
    document.Remove(document.Count() - 1);
    QCOMPARE(log.Count(), 3);
    QCOMPARE(document.Lines()[1], polish);
    QCOMPARE(document.Lines()[2], std::string("QSO: x"));
    // A line is shown whole up to 1000 characters; a longer one is cut there, with an ellipsis.
    const std::string longest(LogListModel::MaxShownLineLength, 'a');
    document.Append(std::vector<std::string>{longest, "b" + longest});
    QCOMPARE(log.index(3).data().toString(), QString::fromStdString(longest));
    QCOMPARE(log.index(4).data().toString(), QString::fromStdString("b" + longest.substr(1)) + QChar(0x2026));
    document.ReplaceAll(std::vector<std::string>{"QSO: y"});
    QCOMPARE(log.Count(), 1);
}

void TestPlatform::desktopFilterListBecomesDialogFilters() {
    QCOMPARE(FileDialogFilters(QStringLiteral("Cabrillo files|*.cbr|All files|*.*")),
             QStringList({QStringLiteral("Cabrillo files (*.cbr)"), QStringLiteral("All files (*.*)")}));
    QCOMPARE(FileDialogFilters(QStringLiteral("Pliki ADIF|*.adi;*.adif")),
             QStringList({QStringLiteral("Pliki ADIF (*.adi *.adif)")}));
}

void TestPlatform::desktopShowsARealMessageBox_data() {
    QTest::addColumn<Desktop::Icon>("icon");
    QTest::addColumn<Desktop::Buttons>("buttons");
    QTest::addColumn<int>("key"); // pressed on the box; 0 clicks "No"
    QTest::addColumn<Desktop::Answer>("answer");
    QTest::addColumn<QMessageBox::Icon>("shownIcon");
    QTest::addColumn<QMessageBox::StandardButtons>("shownButtons");
    using I = Desktop::Icon;
    using B = Desktop::Buttons;
    using A = Desktop::Answer;
    const auto yesNo = QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No);
    const auto yesNoCancel = yesNo | QMessageBox::Cancel;
    QTest::newRow("error, Enter") << I::Error << B::Ok << int(Qt::Key_Return) << A::Ok
                                  << QMessageBox::Critical << QMessageBox::StandardButtons(QMessageBox::Ok);
    QTest::newRow("information, Escape")
        << I::Information << B::Ok << int(Qt::Key_Escape) << A::Ok << QMessageBox::Information
        << QMessageBox::StandardButtons(QMessageBox::Ok);
    QTest::newRow("question, Enter") << I::Question << B::YesNo << int(Qt::Key_Return) << A::Yes
                                     << QMessageBox::Question << yesNo;
    QTest::newRow("question, Escape")
        << I::Question << B::YesNo << int(Qt::Key_Escape) << A::No << QMessageBox::Question << yesNo;
    QTest::newRow("warning, Enter") << I::Warning << B::YesNoCancel << int(Qt::Key_Return) << A::Yes
                                    << QMessageBox::Warning << yesNoCancel;
    QTest::newRow("warning, Escape") << I::Warning << B::YesNoCancel << int(Qt::Key_Escape) << A::Cancel
                                     << QMessageBox::Warning << yesNoCancel;
    QTest::newRow("warning, No") << I::Warning << B::YesNoCancel << 0 << A::No << QMessageBox::Warning
                                 << yesNoCancel;
}

void TestPlatform::desktopShowsARealMessageBox() {
    QFETCH(Desktop::Icon, icon);
    QFETCH(Desktop::Buttons, buttons);
    QFETCH(int, key);
    QFETCH(Desktop::Answer, answer);
    QFETCH(QMessageBox::Icon, shownIcon);
    QFETCH(QMessageBox::StandardButtons, shownButtons);
    QtDesktop desktop;
    QString caption;
    QString text;
    QMessageBox::Icon boxIcon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons boxButtons;
    Qt::TextFormat format = Qt::AutoText; // a file name is shown as it is, never as markup
    WhenModalAppears<QMessageBox>(
        [&](QMessageBox* box) {
            caption = box->windowTitle();
            text = box->text();
            boxIcon = box->icon();
            boxButtons = box->standardButtons();
            format = box->textFormat();
        },
        [key](QMessageBox* box) {
            if (key == 0)
                box->button(QMessageBox::No)->click();
            else
                QTest::keyClick(box, Qt::Key(key));
            // A box that the key did not close is closed here, so that a failing check never hangs.
            if (box->isVisible())
                box->done(-1);
        });
    const auto given = desktop.ShowMessage(nullptr, QStringLiteral("Warning"),
                                           QStringLiteral("File \"<b>a</b>\" exists.\nOK?"), icon, buttons);
    QCOMPARE(given, answer);
    QCOMPARE(caption, QStringLiteral("Warning"));
    QCOMPARE(text, QStringLiteral("File \"<b>a</b>\" exists.\nOK?"));
    QCOMPARE(boxIcon, shownIcon);
    QCOMPARE(boxButtons, shownButtons);
    QCOMPARE(format, Qt::PlainText);
}

void TestPlatform::desktopShowsARealSaveDialog() {
    QtDesktop desktop;
    QString filter;
    QStringList filters;
    QString typedName;
    WhenModalAppears<QFileDialog>(
        [&](QFileDialog* dialog) {
            filter = dialog->selectedNameFilter();
            filters = dialog->nameFilters();
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                typedName = name->text();
        },
        [](QFileDialog* dialog) { dialog->reject(); });
    const auto chosen = desktop.SaveFileName(nullptr, QStringLiteral("qq1aaa.cbr"),
                                             QStringLiteral("Pliki Cabrillo|*.cbr|Wszystkie pliki|*.*"), 1);
    QVERIFY(!chosen.has_value());
    QCOMPARE(filters, QStringList({QStringLiteral("Pliki Cabrillo (*.cbr)"),
                                   QStringLiteral("Wszystkie pliki (*.*)")}));
    QCOMPARE(filter, QStringLiteral("Pliki Cabrillo (*.cbr)"));
    QCOMPARE(typedName, QStringLiteral("qq1aaa.cbr"));
}

void TestPlatform::polishBoxesHavePolishButtons() {
    QTranslator polish;
    QVERIFY(polish.load(QStringLiteral(":/i18n/zevo_pl")));
    QCoreApplication::installTranslator(&polish);
    QtDesktop desktop;
    QStringList texts;
    WhenModalAppears<QMessageBox>(
        [&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
        },
        [](QMessageBox* box) { box->button(QMessageBox::Cancel)->click(); });
    const auto answer = desktop.ShowMessage(nullptr, QStringLiteral("Uwaga"), QStringLiteral("?"),
                                            Desktop::Icon::Warning, Desktop::Buttons::YesNoCancel);
    QCoreApplication::removeTranslator(&polish);
    QCOMPARE(answer, Desktop::Answer::Cancel);
    texts.sort();
    QCOMPARE(texts, QStringList({QStringLiteral("&Nie"), QStringLiteral("&Tak"), QStringLiteral("Anuluj")}));
}

void TestPlatform::desktopHandsATextFileToItsEditor() {
    const QString path = QString::fromUtf8("/tmp/zawody 2026/info_pl.txt");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Opened");
    QtDesktop().OpenInTextEditor(nullptr, path);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(path)});
}

QTEST_MAIN(TestPlatform)
#include "TestPlatform.moc"
