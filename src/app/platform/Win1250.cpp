#include "platform/Win1250.h"

#include <QLineEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

QString FromWin1250(std::string_view bytes) {
    // Log lines are nearly always plain ASCII, which reads the same in every single-byte code page; a
    // loaded log of a hundred thousand lines is measured row by row, and the converter costs there.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    // The list view decodes every row it paints: opening the converter once saves that each time.
    thread_local QStringDecoder decoder("windows-1250");
    decoder.resetState();
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

namespace {

bool IsAscii(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

} // namespace

std::string ToWin1250(const QString& text) {
    // Calls and numbers are plain ASCII; opening the converter costs more than a keystroke's checks.
    if (IsAscii(text))
        return text.toLatin1().toStdString();
    QStringEncoder encoder("windows-1250");
    QByteArray bytes = encoder.encode(text);
    if (!encoder.hasError())
        return bytes.toStdString();
    std::string result;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A surrogate pair is one character that no single byte holds.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single("windows-1250");
        const QByteArray one = single.encode(QStringView(text).mid(i, length));
        result += single.hasError() || one.size() != 1 ? std::string("?") : one.toStdString();
        i += length - 1;
    }
    return result;
}

bool FitsWin1250(const QString& text) {
    if (IsAscii(text))
        return true;
    // No single byte holds half of a surrogate pair; the encoder would keep a lone high one waiting
    // for its other half and report no error.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.isSurrogate(); }))
        return false;
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder.encode(text);
    return !encoder.hasError();
}

QValidator::State FieldValidator::validate(QString& input, int& pos) const {
    // A one-line field holds one line: pasted or dropped line breaks, tabs and other control
    // characters would split the log line made of it.
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        const QChar::Category category = input[i].category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph || (m_noBlanks && input[i].isSpace())) {
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
    }
    if (!FitsWin1250(input))
        return Invalid;
    if (m_maxLength >= 0 && input.size() > m_maxLength)
        return Invalid;
    if (m_upperCase)
        for (QChar& c : input) {
            // Every letter shows in upper case, Polish ones too, as long as the capital is a
            // Windows-1250 character ("µ" stays, its capital is Greek).
            const QChar upper = c.toUpper();
            if (upper != c && FitsWin1250(QString(upper)))
                c = upper;
        }
    return Acceptable;
}

FieldValidator* FieldRules(QLineEdit* edit) {
    if (auto* existing = qobject_cast<FieldValidator*>(const_cast<QValidator*>(edit->validator())))
        return existing;
    auto* validator = new FieldValidator(edit);
    edit->setValidator(validator);
    return validator;
}
