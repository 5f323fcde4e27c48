#pragma once

#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

class QLineEdit;

// Files and the log list hold single-byte Windows-1250 text; these convert at the window edge.
QString FromWin1250(std::string_view bytes);
// Characters that Windows-1250 cannot hold become "?"; the entry fields refuse them, so this only
// happens to text that did not come from the keyboard.
std::string ToWin1250(const QString& text);
bool FitsWin1250(const QString& text);

// The rules of a one-line entry field: only Windows-1250 characters, optionally letters a to z shown
// in upper case, optionally a limit on what the user types. The program's own setText() is not cut
// to the limit (QLineEdit::setMaxLength would cut it), which the report fields rely on.
class FieldValidator final : public QValidator {
    Q_OBJECT
public:
    explicit FieldValidator(QObject* parent) : QValidator(parent) {}
    State validate(QString& input, int& pos) const override;

    void SetUpperCase(bool on) { m_upperCase = on; }
    // Blanks typed or pasted are dropped.
    void SetNoBlanks(bool on) { m_noBlanks = on; }
    // -1: no limit.
    void SetMaxLength(int length) { m_maxLength = length; }
    int MaxLength() const { return m_maxLength; }

private:
    bool m_upperCase = false;
    bool m_noBlanks = false;
    int m_maxLength = -1;
};

// The validator of a field, installed on first use.
FieldValidator* FieldRules(QLineEdit* edit);
