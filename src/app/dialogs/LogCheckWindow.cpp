#include "dialogs/LogCheckWindow.h"

#include "QsoLine.h"
#include "platform/Win1250.h"

#include <QHeaderView>
#include <QPushButton>
#include <utility>

TLogCheck::TLogCheck(QWidget* parent) : QDialog(parent) {
    setupUi(this);
    setModal(false);
    ListView1->header()->setStretchLastSection(true);
    connect(Button1, &QPushButton::clicked, this, &TLogCheck::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    // The view raises "activated" for Enter as well as for a double click (or a single one, where the
    // desktop opens items so).
    connect(ListView1, &QAbstractItemView::activated, this, &TLogCheck::ListView1Activated);
    ApplyLanguage();
}

void TLogCheck::Present(zevo::LinesView lines) {
    m_outOfDate = false;
    m_checkedAgain = std::exchange(m_checkingAgain, false);
    // Not as a saved file: the "END-OF-LOG:" line of an earlier save stays where it was while contacts
    // are added after it, and it is moved to the end at the next save. The lines go in unchanged, so
    // that a finding's line is the row of the main window's list. What the exchange sent should be is
    // read from the log itself, not from the language of the window.
    m_serialsSent = zevo::SendsSerials(lines);
    m_findings = zevo::CheckLog(lines, {.saved = false, .serialsSent = m_serialsSent});
    ApplyLanguage();
    ListView1->setCurrentItem(ListView1->topLevelItem(0));
    show();
    raise();
    activateWindow();
    ListView1->setFocus();
}

void TLogCheck::ApplyLanguage() {
    retranslateUi(this);
    // Here, not in the layout: the code uic writes for a list's columns trips the source checks.
    ListView1->setHeaderLabels({tr("Line"), tr("Severity"), tr("Problem")});
    FillList();
}

void TLogCheck::FillList() {
    const int current = ListView1->indexOfTopLevelItem(ListView1->currentItem());
    ListView1->clear();
    QList<QTreeWidgetItem*> items;
    int errors = 0;
    for (const zevo::LogFinding& finding : m_findings) {
        const bool error = finding.severity == zevo::Severity::Error;
        errors += error ? 1 : 0;
        auto* item = new QTreeWidgetItem(
            {QString::number(finding.line), error ? tr("Error") : tr("Warning"), FindingText(finding)});
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    ListView1->addTopLevelItems(items);
    ListView1->resizeColumnToContents(0);
    ListView1->resizeColumnToContents(1);
    if (current >= 0)
        ListView1->setCurrentItem(ListView1->topLevelItem(current));
    const int warnings = static_cast<int>(m_findings.size()) - errors;
    const QString counts = m_findings.empty() ? tr("No problems found")
                                              : tr("Errors: %1, warnings: %2").arg(errors).arg(warnings);
    Label2->setText(m_checkedAgain ? tr("The log had changed: checked again. %1").arg(counts) : counts);
}

void TLogCheck::LogChanged() {
    m_outOfDate = true;
}

void TLogCheck::Button1Click() {
    emit checkAgainRequested();
}

void TLogCheck::ListView1Activated(const QModelIndex& index) {
    // A finding out of date may name a line that moved: the log is checked again instead, and the
    // operator chooses among the new findings.
    if (m_outOfDate) {
        m_checkingAgain = true;
        emit checkAgainRequested();
        return;
    }
    // The list is never sorted: its rows are the findings in their order.
    const auto finding = static_cast<std::size_t>(index.row());
    if (finding < m_findings.size())
        emit lineChosen(static_cast<int>(m_findings[finding].line) - 1);
}

QString TLogCheck::FindingText(const zevo::LogFinding& finding) const {
    const auto arg = [&finding](std::size_t i) {
        return i < finding.args.size() ? FromWin1250(finding.args[i]) : QString();
    };
    using Kind = zevo::FindingKind;
    switch (finding.kind) {
    case Kind::NoStartOfLog:
        return tr("The log does not begin with START-OF-LOG:");
    case Kind::MissingHeaderLine:
        return tr("The header has no %1 line").arg(arg(0));
    case Kind::EmptyCallsign:
        return tr("The CALLSIGN: line names no call");
    case Kind::CallsignNotUsedCall:
        return tr("Contacts made as %2, but the CALLSIGN: line names %1").arg(arg(0), arg(1));
    case Kind::NoEndOfLog:
        return tr("The log does not end with END-OF-LOG:");
    case Kind::EndOfLogBeforeEnd:
        return tr("END-OF-LOG: before the end of the log: the lines after it go unread");
    case Kind::LineTooShort:
        return tr("QSO line too short: %1 characters instead of %2").arg(arg(0)).arg(zevo::QsoLineLength);
    case Kind::LineTooLong:
        return tr("QSO line too long: %1 characters instead of %2").arg(arg(0)).arg(zevo::QsoLineLength);
    case Kind::BadLayout:
        return tr("Blank out of place at column %1").arg(arg(0));
    case Kind::BadBand:
        return tr("\"%1\" is not the frequency of a contest band").arg(arg(0));
    case Kind::BadMode:
        return tr("Mode \"%1\" is neither PH nor CW").arg(arg(0));
    case Kind::BadDate:
        return tr("\"%1\" is not a date (yyyy-mm-dd)").arg(arg(0));
    case Kind::BadTime:
        return tr("Time %1 is not a time of day").arg(arg(0));
    case Kind::BadReportSent:
        return tr("Report sent \"%1\" is not a %2 report").arg(arg(0), arg(1));
    case Kind::BadExchangeSent:
        return m_serialsSent ? tr("Number sent \"%1\" is not a serial number").arg(arg(0))
                             : tr("Province sent \"%1\" is not a province letter").arg(arg(0));
    case Kind::BadCall:
        return tr("Call received \"%1\" is not a call").arg(arg(0));
    case Kind::BadReportReceived:
        return tr("Report received \"%1\" is not a %2 report").arg(arg(0), arg(1));
    case Kind::NoNumberReceived:
        return tr("No number received");
    case Kind::TimeOrder:
        return tr("%1 is earlier than %2 on line %3").arg(arg(0), arg(1), arg(2));
    case Kind::DatesApart:
        return tr("Date %1 is more than a day from %2 on line %3").arg(arg(0), arg(1), arg(2));
    case Kind::SerialRepeated:
        return tr("Serial %1 repeated, %2 expected").arg(arg(0), arg(1));
    case Kind::SerialBackwards:
        return tr("Serial %1 goes back, %2 expected").arg(arg(0), arg(1));
    case Kind::SerialSkipped:
        return tr("Serial %1 skips numbers, %2 expected").arg(arg(0), arg(1));
    case Kind::Dupe:
        return tr("Dupe of %1 on %2 %3, line %4").arg(arg(0), arg(1), arg(2), arg(3));
    }
    return {};
}
