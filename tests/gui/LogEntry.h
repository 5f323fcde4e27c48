#pragma once

// Driving the main window through a log: a header in place, contacts typed in, files read back.
#include "GuiTest.h"
#include "Program.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

// Lines like the ones the header dialog appends.
inline const std::vector<std::string>& HeaderLines() {
    static const std::vector<std::string> lines{"START-OF-LOG: 2.0",           "CALLSIGN: QQ1AAA",
                                                "CATEGORY: SINGLE-OP ALL LOW", "CLAIMED-SCORE: 0",
                                                "NAME: Jan Kowalski",          "SOAPBOX: ZEVO Contest"};
    return lines;
}

// The state the header dialog leaves behind when it is confirmed.
inline void SetHeader(TForm1& form, const QString& usedCall = QStringLiteral("QQ1AAA")) {
    form.Log().Append(HeaderLines());
    form.SetHeaderSet(true);
    form.SetUnsavedLog(true);
    Find<QLineEdit>(&form, "Edit1")->setText(usedCall);
}

// Types the call and the number received as the operator does and presses "Add to file".
inline void AddContact(TForm1& form, const QString& call, const QString& number) {
    auto* callField = Find<QLineEdit>(&form, "Edit4");
    QTest::mouseClick(callField, Qt::LeftButton);
    Type(callField, call);
    auto* numberField = Find<QLineEdit>(&form, "Edit6");
    QTest::mouseClick(numberField, Qt::LeftButton);
    Type(numberField, number);
    QTest::mouseClick(Find<QPushButton>(&form, "Button4"), Qt::LeftButton);
}

inline std::vector<std::string> LogLines(TForm1& form) {
    return form.Log().Lines();
}

inline QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<cannot read>");
    return file.readAll();
}

inline void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// What a file holding `lines` looks like: every line followed by CR LF.
inline QByteArray CrLfFile(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}
