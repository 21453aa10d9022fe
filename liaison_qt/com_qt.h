#pragma once

#include "liaison/com.h"
#include "liaison/ports.h"
#include "liaison_qt/ports_systeme.h"

#include <QSerialPort>

#include <functional>

namespace optolink {

// The serial port of the interface, on QSerialPort. The port number reaches a device by the
// rule of chemin_du_port(). Every write leaves at once, even from a loop that does not yield.
// When the device disappears while open, the port is closed at the first error and the loss is
// reported once; later reads and writes do nothing.
// On Linux, arrivals that need not wake the program do not: QSerialPort's notice of them is turned
// off, so that the event loop no longer watches the device, and the bytes are read from the device
// itself, without waiting. A vanished device is then reported at the next read.
class ComQt final : public Com {
public:
    // inventaire: what the port numbers can reach, looked up at each opening.
    explicit ComQt(std::function<PortsPresents()> inventaire);
    ComQt();
    ~ComQt() override;

    void setCommPort(int numero) override { numero_ = numero; }
    int commPort() const override { return numero_; }
    void setSettings(const QString& reglages) override { reglages_ = reglages; }
    bool regler_vitesse(int bauds) override;

    bool setPortOpen(bool ouvert) override;
    bool portOpen() const override { return en_service_; }
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

private:
    bool appliquer_reglages();
    void sur_erreur(QSerialPort::SerialPortError erreur);
    void lire_sans_reveil(QByteArray& lus);

    std::function<PortsPresents()> inventaire_;
    QSerialPort port_;
    int numero_ = 0;
    QString reglages_ = QStringLiteral("9600,N,8,1");
    QString chemin_;
    QString erreur_;
    int longueur_entree_ = 0;
    bool en_service_ = false; // opened and set up, and not lost since
    bool reveil_ = true;
};

} // namespace optolink
