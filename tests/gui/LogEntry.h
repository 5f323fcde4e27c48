#pragma once

// Driving the main window through a log: a header in place, contacts typed in, files read back.
#include "GuiTest.h"
#include "Program.h"
#include "entry/EditContact.h"
#include "log/LogTableView.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

// Lines like the ones the header dialog appends.
inline const std::vector<std::string> HeaderLines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA",
                                                  "CATEGORY: SINGLE-OP ALL LOW", "SOAPBOX: ZEVO Contest"};

// The state the header dialog leaves behind when it is confirmed.
inline void SetHeader(TForm1& form, const QString& usedCall = QStringLiteral("QQ1AAA")) {
    form.Document().Append(HeaderLines);
    form.SetHeaderSet(true);
    form.SetUnsavedLog(true);
    Find<QLineEdit>(&form, "Edit1")->setText(usedCall);
}

// Keys as the operator presses them in an active window: the call, Tab, the number received, Tab, and
// Space on "Add to file".
inline void AddContact(TForm1& form, const QString& call, const QString& number) {
    Find<QLineEdit>(&form, "Edit4")->setFocus();
    for (const QString& text : {call, number}) {
        Type(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
}

// A key pressed on the log list with the line at `row` selected.
inline void PressOnLine(TForm1& form, int row, Qt::Key key,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    auto* list = Find<LogTableView>(&form, "ListBox1");
    list->setFocus();
    if (row >= 0)
        list->setCurrentIndex(form.LogList().index(row));
    QTest::keyClick(list, key, modifiers);
}

// The edit dialog when it is shown.
inline TEditContact* Editor() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* editor = qobject_cast<TEditContact*>(window); editor && editor->isVisible())
            return editor;
    return nullptr;
}

// The contact at `row` corrected through the edit dialog: each field (by name) retyped, then OK.
inline void EditContact(TForm1& form, int row, const QList<std::pair<const char*, QString>>& fields) {
    PressOnLine(form, row, Qt::Key_F2);
    TEditContact* editor = Editor();
    if (!editor)
        return;
    for (const auto& [name, text] : fields) {
        if (auto* box = editor->findChild<QComboBox*>(QLatin1String(name))) {
            box->setCurrentIndex(box->findText(text));
            emit box->activated(box->currentIndex());
            continue;
        }
        auto* edit = Find<QLineEdit>(editor, name);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        Type(edit, text);
    }
    QTest::mouseClick(Find<QPushButton>(editor, "Button1"), Qt::LeftButton);
}

// Whether the file at `path` now holds exactly `bytes`.
inline bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<cannot read>");
}

// What a file holding `lines` looks like: every line followed by CR LF.
inline QByteArray CrLfFile(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}
