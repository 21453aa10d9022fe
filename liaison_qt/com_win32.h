#pragma once

#include "liaison/com.h"
#include "liaison/ports.h"
#include "liaison_qt/ports_systeme.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

namespace optolink {

// Why a port did not open, in French, from the system's error code.
QString raison_echec_ouverture_windows(unsigned long code);

// The serial port of the interface on Windows, on the system's own communications API: COMn is
// the device \\.\COMn. Reads never wait (they take what the driver holds), writes leave at once.
// While it is open, the port wakes the event loop every intervalle_reveil_ms, as the arrival of a
// byte does with Qt's port on Linux: a routine that yields until its deadline while it waits for
// the interface (a download) reads the bytes within that time of their arrival. The system's own
// notice of a received byte (WaitCommEvent) would need fewer wake-ups, but Wine never gives it for
// the pseudo-terminals the tests run on, where this is proved.
// A port whose device vanishes (adapter pulled) fails its next read, write or wait: it is then
// closed and the loss reported once, from the event loop, as the program's other events are.
class ComWin32 final : public Com {
public:
    static constexpr int intervalle_reveil_ms = 2;

    // inventaire: what the port numbers can reach, looked up at each opening.
    explicit ComWin32(std::function<PortsPresents()> inventaire);
    ComWin32();
    ~ComWin32() override;

    void setCommPort(int numero) override { numero_ = numero; }
    int commPort() const override { return numero_; }
    void setSettings(const QString& reglages) override { reglages_ = reglages; }
    bool regler_vitesse(int bauds) override;

    bool setPortOpen(bool ouvert) override;
    bool portOpen() const override { return poignee_ != nullptr; }
    QString erreur() const override { return erreur_; }
    QString peripherique() const override { return chemin_; }
    std::optional<QStringList> ports_a_repondre() const override
    {
        return optolink::ports_a_repondre(inventaire_(), noms_des_peripheriques());
    }

    void output(const QByteArray& octets) override;
    QByteArray input() override;
    void setInputLen(int longueur) override { longueur_entree_ = longueur; }
    int inputLen() const override { return longueur_entree_; }

private:
    bool regler();
    std::optional<unsigned long> octets_arrives() const;
    void fermer();
    void perdu();

    std::function<PortsPresents()> inventaire_;
    void* poignee_ = nullptr; // the open device, nullptr when closed
    bool tube_ = false;       // the bench's named pipe rather than a serial port
    int numero_ = 0;
    QString reglages_ = QStringLiteral("9600,N,8,1");
    QString chemin_;
    QString erreur_;
    int longueur_entree_ = 0;
    QObject contexte_; // delivers the loss from the event loop
    QTimer reveil_;
};

} // namespace optolink
