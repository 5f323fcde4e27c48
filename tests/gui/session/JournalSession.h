#pragma once

// A session worth keeping: the header confirmed, three contacts typed, the band stepped with Alt+B
// and the time with Page Up, the first contact corrected, the second deleted and the delete undone. Run by
// the test in its own process and by JournalSession, which is then killed.
#include "LogEntry.h"

#include <QLineEdit>

inline bool LogThreeContacts(TForm1& form) {
    form.show();
    form.activateWindow();
    if (!QTest::qWaitForWindowActive(&form))
        return false;
    form.ApplyHeader(HeaderLines, QStringLiteral("QQ1AAA"));
    AddContact(form, QStringLiteral("qq2bbb"), QStringLiteral("12"));
    AddContact(form, QStringLiteral("qq3ccc"), QStringLiteral("5"));
    QLineEdit* call = Find<QLineEdit>(&form, "Edit4");
    call->setFocus();
    QTest::keyClick(call, Qt::Key_B, Qt::AltModifier);
    QTest::keyClick(call, Qt::Key_PageUp);
    AddContact(form, QStringLiteral("qq4ddd"), QStringLiteral("7"));
    const int first = static_cast<int>(HeaderLines.size());
    EditContact(form, first, {{"Edit4", QStringLiteral("QQ9ZZZ")}, {"Edit6", QStringLiteral("99")}});
    PressOnLine(form, first + 1, Qt::Key_Delete);
    PressOnLine(form, -1, Qt::Key_Z, Qt::ControlModifier);
    return form.Document().Lines()[first].find("QQ9ZZZ") != std::string::npos &&
           form.LogList().Count() == first + 3;
}
