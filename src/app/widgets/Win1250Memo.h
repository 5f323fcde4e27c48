#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A multi-line entry box whose text goes into a single-byte file: characters that Windows-1250
// cannot hold are refused however they arrive (typed, composed, pasted or dropped), and Shift+Enter
// starts a new line like Enter instead of putting a line separator in the text.
class Win1250Memo final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Win1250Memo(QWidget* parent = nullptr);

    // The lines as the box shows them: a line that the box wraps counts as several, each keeping its
    // characters (a blank at the wrap point stays at the end of its line). The last line is empty
    // when the text is empty or ends in a line break.
    QStringList ShownLines() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};
