// The main window's ADIF import: the file read and previewed, then its contacts added as one change.
#include "AdifImport.h"
#include "CabrilloReader.h"
#include "Unit1.h"
#include "entry/DupeWatch.h"
#include "import/ImportAdifWindow.h"
#include "log/LogCorrections.h"
#include "platform/Guard.h"
#include "platform/Win1250.h"
#include "session/SessionRecorder.h"

#include <QFile>
#include <charconv>

void TForm1::ImportAdifClick() {
    // The contacts take the log's own call and follow its header.
    if (!m_headerSet) {
        ShowError(tr("Error"), tr("Please set the Header of Cabrillo file first!"));
        return;
    }
    const std::optional<QString> fileName =
        m_desktop.OpenFileName(this, tr("ADIF files|*.adi|All files|*.*"), 1, m_lastFolder);
    if (!fileName)
        return;
    // Nothing of the log changes before the preview's Import: every refusal leaves it as it was.
    const zevo::LogFileBytes file =
        zevo::ReadLogFileBytes(QFile::encodeName(*fileName).toStdString(), zevo::MaxAdifFileSize);
    if (file.refused == zevo::LogFileBytes::Refused::NotRegular) {
        ShowError(tr("Error"),
                  tr("\"%1\" is not a regular file, such as a device or a pipe.\nNothing was imported.")
                      .arg(*fileName));
        return;
    }
    if (file.refused == zevo::LogFileBytes::Refused::TooLarge) {
        ShowError(tr("Error"),
                  tr("File \"%1\" is too large to be a logbook's ADIF file (over %2 MB).\nNothing "
                     "was imported.")
                      .arg(*fileName)
                      .arg(zevo::MaxAdifFileSize / (std::size_t{1024} * 1024)));
        return;
    }
    zevo::AdifPreview preview = zevo::PreviewAdifFile(file.bytes, ToWin1250(Edit1->text()));
    const zevo::AdifReading& reading = preview.reading;
    if (reading.problem == zevo::AdifReading::Problem::Binary || preview.contacts.empty()) {
        ShowError(tr("Error"),
                  tr("File \"%1\" holds no ADIF records.\nNothing was imported.").arg(*fileName));
        return;
    }
    QString note;
    if (reading.problem == zevo::AdifReading::Problem::CutShort)
        note = tr("The file ends inside the field %1 at byte %2: the records from there on are left out.")
                   .arg(QString::fromLatin1(reading.problemField.data(),
                                            static_cast<qsizetype>(reading.problemField.size())))
                   .arg(reading.problemOffset + 1);
    if (!m_import) {
        m_import = new TImportAdif(this);
        ConnectGuarded(m_import, &TImportAdif::importChosen, this, m_desktop, &TForm1::ImportChosen);
        connect(m_import, &TImportAdif::checkLogRequested, this, &TForm1::logCheckRequested);
        connect(this, &TForm1::languageApplied, m_import, &TImportAdif::ApplyLanguage);
        // A window left open would keep the event loop going after the program ends.
        connect(this, &TForm1::ending, m_import, &QWidget::hide);
    }
    m_import->Present(std::move(preview.contacts), note);
}

void TForm1::ImportChosen() {
    const auto period = m_import->Period();
    if (!period)
        return;
    std::vector<std::string> lines =
        zevo::AdifLinesToImport(m_import->Contacts(), period->first, period->second);
    const std::size_t count = lines.size();
    if (count == 0)
        return;
    // The number sent goes on after the serials the contacts carried, unless it is past them already.
    const std::string numberSent = ToWin1250(Edit8->text());
    long long current = 0;
    const bool readable =
        std::from_chars(numberSent.data(), numberSent.data() + numberSent.size(), current).ec == std::errc();
    const std::optional<long long> next =
        zevo::NumberSentAfterImport(m_import->Contacts(), period->first, period->second,
                                    readable ? std::optional(current) : std::nullopt);
    const LogHistory::EntryFields before{Edit4->text(), Edit6->text(), Edit8->text()};
    LogHistory::EntryFields after = before;
    if (next)
        after.numberSent = QString::number(*next);
    {
        const SessionRecorder::Hold hold(m_recorder.get());
        m_corrections->History().Import(std::move(lines), before, after);
        m_unsavedLog = true;
    }
    SelectLastLine();
    m_dupeWatch->Update();
    m_import->ShowImported(count);
}
