#include "Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QShortcut>
#include <QStringList>

void NameBoxesByLabels(QWidget* window) {
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        auto* box = qobject_cast<QComboBox*>(label->buddy());
        if (!box)
            continue;
        QString name = label->text();
        name.remove(QLatin1Char('&'));
        box->setAccessibleName(name);
    }
}

void OpenContextMenuFromKeyboard(QAbstractItemView* view) {
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* shortcut = new QShortcut(keys, view, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(shortcut, &QShortcut::activated, view, [view] {
            const QRect row = view->visualRect(view->currentIndex());
            const QPoint inViewport = row.isValid() ? row.center() : QPoint(0, 0);
            const QPoint at = view->viewport()->mapTo(view, inViewport);
            QContextMenuEvent event(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
            QCoreApplication::sendEvent(view, &event);
        });
    }
}

namespace {

QStringList& WindowClasses() {
    static QStringList classes;
    return classes;
}

QAccessibleInterface* WindowFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !WindowClasses().contains(className))
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Window);
}

} // namespace

void TellAsWindow(const char* className) {
    if (WindowClasses().isEmpty())
        QAccessible::installFactory(WindowFactory);
    const QString name = QString::fromLatin1(className);
    if (!WindowClasses().contains(name))
        WindowClasses().append(name);
}
