#pragma once

#include "platform/Desktop.h"
#include "radio/RigClient.h"

#include <QProcess>
#include <QString>
#include <QTimer>
#include <memory>

// How the program reaches the radio, kept between runs.
struct RadioSettings {
    enum class Way { None, Connect, Start };
    Way way = Way::None;
    QString host = QStringLiteral("127.0.0.1");
    int port = 4532;
    int model = 1;  // the Hamlib model number of a rigctld the program starts
    QString device; // its serial device

    static RadioSettings Load(Desktop& desktop);
    void Save(Desktop& desktop) const;
};

// The radio as the main window sees it: the client that asks rigctld, and the rigctld the program
// started itself, which ends with it.
class RadioLink final : public QObject {
    Q_OBJECT

public:
    explicit RadioLink(QObject* parent = nullptr);
    ~RadioLink() override;
    RadioLink(const RadioLink&) = delete;
    RadioLink& operator=(const RadioLink&) = delete;

    // Reaches the radio as `settings` say from now on. The text of the failure when a rigctld to be
    // started cannot be; the link then stays off.
    std::optional<QString> Use(const RadioSettings& settings);
    const RadioSettings& Settings() const { return m_settings; }

    RigClient& Client() { return m_client; }
    // What the status bar says, in the language of the moment; empty without a radio.
    QString StatusText() const;

signals:
    void changed();

private:
    void EndStarted();
    // Starts the rigctld the settings name; the text of the failure when it cannot be.
    std::optional<QString> StartRigctld();

    RadioSettings m_settings;
    RigClient m_client;
    std::unique_ptr<QProcess> m_started;
    QTimer m_restart; // of a started rigctld that ended on its own
};
