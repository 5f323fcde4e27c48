#include "widgets/Win1250Memo.h"

#include "platform/Win1250.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// The text without the characters that have no Windows-1250 byte; line and paragraph separators
// become ordinary line breaks.
QString Holdable(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (c == QChar::LineSeparator || c == QChar::ParagraphSeparator) {
            kept += QLatin1Char('\n');
            continue;
        }
        // Either half of a surrogate pair fails alone, as the pair does.
        if (FitsWin1250(QString(c)))
            kept += c;
    }
    return kept;
}

bool IsReturn(const QKeyEvent* event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

Win1250Memo::Win1250Memo(QWidget* parent) : QPlainTextEdit(parent) {}

QStringList Win1250Memo::ShownLines() const {
    QStringList lines;
    QAbstractTextDocumentLayout* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        // Blocks that were never on screen are laid out on demand.
        layout->blockBoundingRect(block);
        const QTextLayout* shown = block.layout();
        const QString text = block.text();
        if (shown->lineCount() == 0) {
            lines << text;
            continue;
        }
        for (int i = 0; i < shown->lineCount(); ++i) {
            const QTextLine line = shown->lineAt(i);
            lines << text.mid(line.textStart(), line.textLength());
        }
    }
    return lines;
}

void Win1250Memo::keyPressEvent(QKeyEvent* event) {
    if (IsReturn(event) && event->modifiers().testFlag(Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), static_cast<ushort>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    if (!event->text().isEmpty() && Holdable(event->text()) != event->text()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Win1250Memo::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = Holdable(event->commitString());
    if (commit == event->commitString()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(commit, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&kept);
    event->setAccepted(kept.isAccepted());
}

void Win1250Memo::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) {
        QPlainTextEdit::insertFromMimeData(source);
        return;
    }
    QMimeData kept;
    kept.setText(Holdable(source->text()));
    QPlainTextEdit::insertFromMimeData(&kept);
}
