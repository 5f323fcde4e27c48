#pragma once

// The preview of an ADIF import: nothing changes in the log until "Import" is pressed.
//
// ListView1  every record: its number and the QSO line it becomes, or why it is skipped
// Edit1      from, UTC "yyyy-mm-dd hh:mm"; Edit2 to, the same: the contacts imported
// Label3     how many records become contacts, how many are skipped; after the import, what it did
// Button1    Import; Button2 Cancel (Close once imported); Button3 Check log, after the import

#include "AdifImport.h"

#include <QDialog>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class ImportPreviewModel;

class TImportAdif final : public QDialog {
    Q_OBJECT

public:
    explicit TImportAdif(QWidget* parent = nullptr);
    ~TImportAdif() override;

    // Shows `contacts`, the period set to all of them; `note` says what of the file could not be read.
    void Present(std::vector<zevo::AdifContact> contacts, const QString& note);
    // After the import: `imported` contacts went into the log.
    void ShowImported(std::size_t imported);
    void ApplyLanguage();

    const std::vector<zevo::AdifContact>& Contacts() const { return m_contacts; }
    // The period of the fields; nothing while one of them is no time.
    std::optional<std::pair<long long, long long>> Period() const;

    void Button1Click();

signals:
    // The contacts of the period are to go into the log.
    void importChosen();
    void checkLogRequested();

private:
    void UpdateSummary();

    std::vector<zevo::AdifContact> m_contacts;
    QString m_note;
    std::optional<std::size_t> m_imported;
    ImportPreviewModel* m_model;
    QTableView* ListView1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QPushButton* Button1;
    QPushButton* Button2;
    QPushButton* Button3;
};
