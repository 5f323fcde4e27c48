#pragma once

// Driving the main window through a log: a header in place, contacts typed in, files read back.
#include "GuiTest.h"
#include "Program.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <string>
#include <vector>

// Lines like the ones the header dialog appends.
inline const std::vector<std::string> HeaderLines{"START-OF-LOG: 2.0", "CALLSIGN: QQ1AAA",
                                                  "CATEGORY: SINGLE-OP ALL LOW", "SOAPBOX: ZEVO Contest"};

// The state the header dialog leaves behind when it is confirmed.
inline void SetHeader(TForm1& form, const QString& usedCall = QStringLiteral("QQ1AAA")) {
    form.Log().Append(HeaderLines);
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
