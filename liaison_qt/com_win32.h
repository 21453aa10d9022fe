#pragma once

#include "liaison/com.h"
#include "liaison/ports.h"
#include "liaison_qt/ports_systeme.h"

#include <QObject>
#include <QTimer>
#include <QWinEventNotifier>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace optolink {

// Why a port did not open, in French, from the system's error code.
QString raison_echec_ouverture_windows(unsigned long code);

// The serial port of the interface on Windows, on the system's own communications API: COMn is
// the device \\.\COMn, or the bench's named pipe. Reads never wait (they take what the driver
// holds), writes leave at once and give up within a tenth of a second.
// A byte's arrival wakes the event loop, as Qt's port does on Linux, while reveil_a_l_arrivee is on:
// the system tells it (an overlapped WaitCommEvent on a serial port, an overlapped read of one byte
// on a pipe) through a QWinEventNotifier, so that the program sleeps until a byte comes. Where the
// system is seen not to tell it (bytes found that arrived while a wait was armed, and no notice, three
// reads in a row: Wine's serial ports on pseudo-terminals), the port falls back to waking the loop
// every intervalle_reveil_ms, only while arrivals must wake it.
// A port whose device vanishes (adapter pulled) fails its next read, write or wait (the wait ends
// at once): it is then closed and the loss reported once, from the event loop, as the program's other
// events are.
class ComWin32 final : public Com {
public:
    static constexpr int intervalle_reveil_ms = 2;
    // Reads that found bytes come while the system said nothing, after which it is not waited for.
    static constexpr int arrivees_muettes_max = 3;

    // How long an opening is waited for: a Bluetooth port with no device behind it keeps the system's
    // opening waiting for seconds.
    static constexpr int limite_ouverture_ms = 2000;
    // Opens a device (CreateFileW's way): its handle, or INVALID_HANDLE_VALUE and the system's error.
    using Ouvreur = std::function<void*(const std::wstring& appareil, unsigned long& erreur)>;

    // inventaire: what the port numbers can reach, looked up at each opening; ouvrir: how a device
    // is opened (the system's way by default).
    explicit ComWin32(std::function<PortsPresents()> inventaire, Ouvreur ouvrir = {});
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
    void reveil_a_l_arrivee(bool oui) override;

    // Whether the system's notice of arrivals is waited for (false: the timer fallback).
    bool avis_du_systeme() const { return !sans_avis_; }

private:
    bool regler();
    std::optional<unsigned long> octets_arrives() const;
    bool lire(char* tampon, unsigned long voulus, unsigned long& recus);
    void guetter();
    void avis_recu();
    bool avis_termine();
    void annuler_guet();
    void fermer();
    void perdu();

    std::function<PortsPresents()> inventaire_;
    Ouvreur ouvrir_;
    void* poignee_ = nullptr; // the open device, nullptr when closed
    bool tube_ = false;       // the bench's named pipe rather than a serial port
    int numero_ = 0;
    QString reglages_ = QStringLiteral("9600,N,8,1");
    QString chemin_;
    QString erreur_;
    int longueur_entree_ = 0;
    QObject contexte_; // delivers the loss from the event loop

    // The watch for arrivals: one overlapped operation at most, on its own event.
    struct Operation;
    std::unique_ptr<Operation> guet_, lecture_, ecriture_;
    bool reveil_voulu_ = true;
    bool guet_arme_ = false;       // the operation is pending or done, not yet collected
    bool vide_a_l_armement_ = false;
    unsigned long masque_ = 0;     // WaitCommEvent's events
    char octet_guette_ = 0;        // the pipe's byte taken by the watch
    bool octet_guette_present_ = false;
    int arrivees_muettes_ = 0;
    bool sans_avis_ = false;
    QWinEventNotifier* notificateur_ = nullptr;
    QTimer reveil_;
};

} // namespace optolink
