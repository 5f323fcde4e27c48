#include "widgets/Accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QStringList>

namespace {

QStringList& WindowClasses() {
    static QStringList classes;
    return classes;
}

// A combo box as Qt presents it, the popup list and the typed text its children, but named by its
// name (its label's text) rather than by the entry it shows, which stays its value.
class NamedComboBox final : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && !Box()->accessibleName().isEmpty())
            return Box()->accessibleName();
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return Box()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return Box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child)
            return -1;
        if (child->object() == Box()->view())
            return 0;
        return Box()->isEditable() && child->object() == Box()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    // A widget being destroyed is a plain QWidget by then: only whole combo boxes get here.
    if (className == QLatin1String("QComboBox"))
        return new NamedComboBox(static_cast<QComboBox*>(widget));
    if (WindowClasses().contains(className))
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void NameBoxesByLabels(QWidget* window) {
    InstallAccessibility();
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
    auto* shortcut =
        new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), view, nullptr, nullptr, Qt::WidgetShortcut);
    QObject::connect(shortcut, &QShortcut::activated, view, [view] {
        const QRect row = view->visualRect(view->currentIndex());
        const QPoint at = view->viewport()->mapTo(view, row.isValid() ? row.center() : QPoint(0, 0));
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, view->mapToGlobal(at));
        QCoreApplication::sendEvent(view, &event);
    });
}

void TellAsWindow(const char* className) {
    InstallAccessibility();
    const QString name = QString::fromLatin1(className);
    if (!WindowClasses().contains(name))
        WindowClasses().append(name);
}
