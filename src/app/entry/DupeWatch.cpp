#include "entry/DupeWatch.h"

#include "entry/ContactEntry.h"
#include "platform/Win1250.h"
#include "widgets/LogFont.h"

#include <QDockWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>

DupeWatch::DupeWatch(zevo::LogDocument& log, Ui::TForm1& ui, const ContactEntry& entry, QMainWindow* window)
    : m_log(log), m_ui(ui), m_entry(entry), m_window(window), m_status(new QLabel(window)),
      m_panel(new QDockWidget(window)), m_list(new QListWidget(m_panel)) {
    m_status->setObjectName(QStringLiteral("DupeStatus"));
    window->statusBar()->addWidget(m_status, 1);
    // The bar comes under the controls: the window grows by it, so that they keep their room.
    window->resize(window->width(), window->height() + window->statusBar()->sizeHint().height());

    m_panel->setObjectName(QStringLiteral("CheckPanel"));
    m_panel->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    m_list->setObjectName(QStringLiteral("CheckList"));
    // The bands of the calls stand in one column.
    m_list->setFont(LogFont());
    m_panel->setWidget(m_list);
    window->addDockWidget(Qt::RightDockWidgetArea, m_panel);
    m_panel->hide();

    // The program's own changes of the fields count too: a call chosen in the panel, a loaded band.
    connect(m_ui.Edit4, &QLineEdit::textChanged, this, [this] {
        m_complete = false;
        Update();
    });
    m_ui.Edit4->installEventFilter(this);
    for (QComboBox* box : {m_ui.ComboBox1, m_ui.ComboBox2})
        connect(box, &QComboBox::currentIndexChanged, this, &DupeWatch::Update);
    connect(m_ui.ComboBox2, &QComboBox::editTextChanged, this, &DupeWatch::Update);
    connect(m_ui.ActionCheckPanel, &QAction::toggled, this, &DupeWatch::ShowPanel);
    // The panel's own close button unchecks the menu's action. The panel hidden with the window (the
    // export dialog takes its place for a while) is no choice of the operator's: it comes back with it.
    connect(m_panel->toggleViewAction(), &QAction::toggled, this, [this](bool shown) {
        if (shown || m_window->isVisible())
            m_ui.ActionCheckPanel->setChecked(shown);
    });
    connect(m_list, &QListWidget::itemActivated, this, &DupeWatch::CallChosen);
    auto* back = new QShortcut(QKeySequence(Qt::Key_Escape), m_list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(back, &QShortcut::activated, m_ui.Edit4, qOverload<>(&QWidget::setFocus));
    m_log.AddListener(this);
}

DupeWatch::~DupeWatch() {
    m_log.RemoveListener(this);
}

void DupeWatch::Retranslate() {
    m_panel->setWindowTitle(tr("Check"));
    m_list->setAccessibleName(tr("Calls of the log holding the call typed"));
    m_checked.reset();
    Update();
}

bool DupeWatch::EnterList() {
    if (m_panel->isHidden() || m_list->count() == 0)
        return false;
    // The first call, past the heading of its group: the list makes its first row current as it is
    // filled, and that is a heading.
    const QListWidgetItem* current = m_list->currentItem();
    if (current == nullptr || !(current->flags() & Qt::ItemIsSelectable))
        for (int row = 0; row < m_list->count(); ++row)
            if (m_list->item(row)->flags() & Qt::ItemIsSelectable) {
                m_list->setCurrentRow(row);
                break;
            }
    m_list->setFocus();
    return true;
}

void DupeWatch::SetCheckFile(const zevo::CheckCalls* file) {
    m_file = file;
    m_checked.reset();
    Update();
}

bool DupeWatch::eventFilter(QObject* watched, QEvent* event) {
    const bool enter =
        event->type() == QEvent::KeyPress && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                                              static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (watched == m_ui.Edit4 && (enter || event->type() == QEvent::FocusOut)) {
        m_complete = true;
        Update();
    }
    return QObject::eventFilter(watched, event);
}

void DupeWatch::LogAboutToChange(const zevo::LogDocument&, const zevo::LogEdit&) {}

void DupeWatch::LogChanged(const zevo::LogDocument&, const zevo::LogEdit&) {
    ++m_logChanges;
    Update();
}

void DupeWatch::Update() {
    const Checked now{ToWin1250(m_ui.Edit4->text()),
                      {m_ui.ComboBox1->currentIndex(), m_entry.FirstMode()},
                      m_logChanges,
                      !m_panel->isHidden(),
                      m_complete};
    if (m_checked == now)
        return;
    m_checked = now;
    ShowVerdict(now.call, now.at);
    // A hidden panel is filled when it is shown.
    if (!now.panel)
        return;
    // The call the operator stands on stays current as the panel is filled again (leaving the call
    // field for the panel completes the call, which fills it again).
    const QVariant stoodOn =
        m_list->currentItem() != nullptr ? m_list->currentItem()->data(Qt::UserRole) : QVariant();
    FillPanel(now.call, now.at);
    for (int row = 0; stoodOn.isValid() && row < m_list->count(); ++row)
        if (m_list->item(row)->data(Qt::UserRole) == stoodOn) {
            m_list->setCurrentRow(row);
            break;
        }
}

void DupeWatch::ShowVerdict(const std::string& call, zevo::BandMode at) {
    const zevo::CallVerdict verdict = zevo::CheckCall(m_log.Calls(), m_log.Lines(), call, at);
    const QString shownCall = FromWin1250(call);
    QString text;
    if (verdict.kind == zevo::CallVerdict::Kind::Dupe)
        text = tr("Dupe: %1 %2 %3, line %4")
                   .arg(shownCall, FromWin1250(zevo::BandModeText(at)), FromWin1250(verdict.time),
                        QString::number(verdict.row + 1));
    else if (verdict.kind == zevo::CallVerdict::Kind::Worked)
        text = tr("Worked: %1 %2").arg(shownCall, FromWin1250(zevo::BandModesText(verdict.worked)));
    else if (!call.empty())
        text = tr("New");
    // Only a whole call: while it is typed, every beginning of a call would be flagged.
    if (m_complete && m_file && zevo::NotInCheckFile(verdict, *m_file, call))
        text += QStringLiteral(" - ") + tr("not in the check file");
    m_status->setText(text);
    m_ui.Edit4->setAccessibleDescription(text);
    // A dupe is logged like any contact, only in red: the operator decides.
    const bool red = verdict.kind == zevo::CallVerdict::Kind::Dupe;
    if (red != m_callRed) {
        QPalette palette;
        if (red)
            palette.setColor(QPalette::Text, Qt::red);
        m_ui.Edit4->setPalette(palette);
        m_callRed = red;
    }
}

void DupeWatch::FillPanel(const std::string& call, zevo::BandMode at) {
    m_list->clear();
    static const zevo::CheckCalls none;
    const zevo::CheckPanelGroups groups =
        zevo::CheckPanelFor(m_log.Calls(), m_file ? *m_file : none, call, at);
    const bool withFile = m_file && m_file->Size() > 0 && call.size() >= 2;
    const auto heading = [this](const QString& text) {
        auto* item = new QListWidgetItem(text, m_list);
        item->setFlags(Qt::ItemIsEnabled);
        QFont font = item->font();
        font.setBold(true);
        item->setFont(font);
    };
    if (withFile)
        heading(tr("In the log"));
    const zevo::FragmentCheck& check = groups.log;
    const std::vector<std::string> lines = zevo::FragmentLines(check, at);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* item = new QListWidgetItem(FromWin1250(lines[i]), m_list);
        item->setData(Qt::UserRole, FromWin1250(check.calls[i].call));
        if (check.calls[i].dupe)
            item->setForeground(Qt::red);
    }
    if (check.more > 0)
        new QListWidgetItem(tr("... and %1 more").arg(check.more), m_list);
    if (!withFile)
        return;
    const QString typed = FromWin1250(zevo::CallKey(call));
    for (const auto& [matches, title] :
         {std::pair{&groups.starting, tr("In the check file, beginning with %1")},
          std::pair{&groups.containing, tr("In the check file, holding %1")}}) {
        heading(title.arg(typed));
        for (const std::string& fileCall : matches->calls) {
            auto* item = new QListWidgetItem(FromWin1250(fileCall), m_list);
            item->setData(Qt::UserRole, item->text());
        }
        if (matches->total > matches->calls.size())
            new QListWidgetItem(tr("... and %1 more").arg(matches->total - matches->calls.size()), m_list);
    }
}

void DupeWatch::ShowPanel(bool shown) {
    m_panel->setVisible(shown);
    // The window widens by the docked panel and narrows by as much again when it goes, so that the log
    // list keeps a whole QSO line; a floating panel or a maximized window leaves the window's size.
    const bool resizable =
        !m_panel->isFloating() && !(m_window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    if (shown && resizable && m_widened == 0) {
        m_widened = m_panel->sizeHint().width() +
                    m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
        m_window->resize(m_window->width() + m_widened, m_window->height());
    } else if (!shown && m_widened > 0) {
        if (resizable)
            m_window->resize(m_window->width() - m_widened, m_window->height());
        m_widened = 0;
    }
    Update();
}

void DupeWatch::CallChosen(const QListWidgetItem* item) {
    const QString call = item->data(Qt::UserRole).toString();
    if (call.isEmpty())
        return;
    // As a paste would: by the call field's rules.
    m_ui.Edit4->selectAll();
    m_ui.Edit4->insert(call);
    m_window->activateWindow();
    m_ui.Edit4->setFocus();
}
