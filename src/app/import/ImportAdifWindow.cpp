#include "import/ImportAdifWindow.h"

#include "platform/Win1250.h"
#include "widgets/LogFont.h"

#include <QAbstractTableModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

namespace {

QString ReasonText(const zevo::AdifContact& contact) {
    QString reason;
    switch (contact.skip) {
    case zevo::AdifSkip::None:
        return {};
    case zevo::AdifSkip::NoDateTime:
        reason = TImportAdif::tr("no date or time");
        break;
    case zevo::AdifSkip::OutsideBands:
        reason = TImportAdif::tr("band outside the contest bands");
        break;
    case zevo::AdifSkip::OtherMode:
        reason = TImportAdif::tr("mode neither SSB nor CW");
        break;
    case zevo::AdifSkip::NoCall:
        reason = TImportAdif::tr("no call");
        break;
    case zevo::AdifSkip::TooLong:
        reason = TImportAdif::tr("does not fit its column");
        break;
    case zevo::AdifSkip::OutsideCharset:
        reason = TImportAdif::tr("a character outside the log's character set");
        break;
    }
    const QString field =
        QString::fromLatin1(contact.field.data(), static_cast<qsizetype>(contact.field.size()));
    return TImportAdif::tr("Skipped: %1 (%2: \"%3\")")
        .arg(reason, field,
             QString::fromUtf8(contact.value.data(), static_cast<qsizetype>(contact.value.size())));
}

} // namespace

// The records as the view asks for them: a file of a hundred thousand records costs no widget each.
class ImportPreviewModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Show(const std::vector<zevo::AdifContact>* contacts) {
        beginResetModel();
        m_contacts = contacts;
        endResetModel();
    }
    int rowCount(const QModelIndex& parent) const override {
        return parent.isValid() || m_contacts == nullptr ? 0 : static_cast<int>(m_contacts->size());
    }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : 2; }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        const zevo::AdifContact& contact = (*m_contacts)[static_cast<std::size_t>(index.row())];
        if (index.column() == 0)
            return index.row() + 1;
        return contact.skip == zevo::AdifSkip::None ? FromWin1250(contact.line) : ReasonText(contact);
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
            return {};
        return section == 0 ? TImportAdif::tr("Record") : TImportAdif::tr("QSO line, or why it is skipped");
    }

private:
    const std::vector<zevo::AdifContact>* m_contacts = nullptr;
};

TImportAdif::TImportAdif(QWidget* parent)
    : QDialog(parent), m_model(new ImportPreviewModel(this)), ListView1(new QTableView(this)),
      Label1(new QLabel(this)), Label2(new QLabel(this)), Label3(new QLabel(this)),
      Edit1(new QLineEdit(this)), Edit2(new QLineEdit(this)), Button1(new QPushButton(this)),
      Button2(new QPushButton(this)), Button3(new QPushButton(this)) {
    setObjectName(QStringLiteral("TImportAdif"));
    // The log stays as the preview found it until Import or Cancel.
    setModal(true);
    const std::initializer_list<std::pair<QObject*, const char*>> names{
        {ListView1, "ListView1"}, {Label1, "Label1"},   {Label2, "Label2"},
        {Label3, "Label3"},       {Edit1, "Edit1"},     {Edit2, "Edit2"},
        {Button1, "Button1"},     {Button2, "Button2"}, {Button3, "Button3"}};
    for (const auto& [object, name] : names)
        object->setObjectName(QString::fromLatin1(name));
    ListView1->setModel(m_model);
    ListView1->setFont(LogFont());
    ListView1->verticalHeader()->hide();
    ListView1->horizontalHeader()->setStretchLastSection(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    for (QLineEdit* edit : {Edit1, Edit2}) {
        edit->setInputMask(QStringLiteral("9999-99-99 99:99"));
        connect(edit, &QLineEdit::textEdited, this, &TImportAdif::UpdateSummary);
    }
    auto* layout = new QGridLayout(this);
    layout->addWidget(ListView1, 0, 0, 1, 4);
    layout->addWidget(Label1, 1, 0);
    layout->addWidget(Edit1, 1, 1);
    layout->addWidget(Label2, 1, 2);
    layout->addWidget(Edit2, 1, 3);
    layout->addWidget(Label3, 2, 0, 1, 4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {Button3, Button1, Button2})
        buttons->addWidget(button);
    layout->addLayout(buttons, 3, 0, 1, 4);
    connect(Button1, &QPushButton::clicked, this, &TImportAdif::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, [this] {
        emit checkLogRequested();
        accept();
    });
    resize(760, 420);
    ApplyLanguage();
}

TImportAdif::~TImportAdif() = default;

void TImportAdif::Present(std::vector<zevo::AdifContact> contacts, const QString& note) {
    m_contacts = std::move(contacts);
    m_note = note;
    m_imported.reset();
    m_model->Show(&m_contacts);
    long long first = 0;
    long long last = -1;
    for (const zevo::AdifContact& contact : m_contacts) {
        if (contact.skip != zevo::AdifSkip::None)
            continue;
        first = last < first ? *contact.minute : std::min(first, *contact.minute);
        last = std::max(last, *contact.minute);
    }
    Edit1->setText(last < first ? QString() : QString::fromStdString(zevo::AdifMinuteText(first)));
    Edit2->setText(last < first ? QString() : QString::fromStdString(zevo::AdifMinuteText(last)));
    ApplyLanguage();
    show();
    raise();
    activateWindow();
    ListView1->setFocus();
}

std::optional<std::pair<long long, long long>> TImportAdif::Period() const {
    const auto from = zevo::AdifMinuteOfText(Edit1->text().toStdString());
    const auto to = zevo::AdifMinuteOfText(Edit2->text().toStdString());
    if (!from || !to)
        return std::nullopt;
    return std::pair{*from, *to};
}

void TImportAdif::Button1Click() {
    if (Period())
        emit importChosen();
}

void TImportAdif::ShowImported(std::size_t imported) {
    m_imported = imported;
    ApplyLanguage();
    Button3->setFocus();
}

void TImportAdif::ApplyLanguage() {
    setWindowTitle(tr("Import ADIF file"));
    Label1->setText(tr("&From (UTC):"));
    Label2->setText(tr("&To (UTC):"));
    Button1->setText(tr("&Import"));
    Button2->setText(m_imported ? tr("Close") : tr("Cancel"));
    Button3->setText(tr("&Check log"));
    Button1->setVisible(!m_imported);
    Button3->setVisible(m_imported.has_value());
    Edit1->setReadOnly(m_imported.has_value());
    Edit2->setReadOnly(m_imported.has_value());
    m_model->headerDataChanged(Qt::Horizontal, 0, 1);
    UpdateSummary();
}

void TImportAdif::UpdateSummary() {
    const auto skipped = static_cast<std::size_t>(std::count_if(
        m_contacts.begin(), m_contacts.end(), [](const auto& c) { return c.skip != zevo::AdifSkip::None; }));
    const auto period = Period();
    std::size_t inPeriod = 0;
    for (const zevo::AdifContact& contact : m_contacts)
        inPeriod += contact.skip == zevo::AdifSkip::None && period && *contact.minute >= period->first &&
                    *contact.minute <= period->second;
    QString text =
        m_imported
            ? tr("%1 contacts imported, %2 records skipped.").arg(*m_imported).arg(skipped)
            : tr("%1 of %2 records to import, %3 skipped.").arg(inPeriod).arg(m_contacts.size()).arg(skipped);
    if (!m_note.isEmpty())
        text += QLatin1Char('\n') + m_note;
    Label3->setText(text);
    Button1->setEnabled(inPeriod > 0);
}
