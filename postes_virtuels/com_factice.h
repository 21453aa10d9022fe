#pragma once

#include "liaison/com.h"

namespace optolink::essai {

// A serial port whose interface answers every EA0 request with a fixed reply, or that does
// not open at all.
class ComFactice final : public Com {
public:
    bool ouverture_possible = true;
    QString raison = "Accès refusé : le port est déjà utilisé par un autre programme";
    QByteArray reponse_ea; // answer to "WEA 0", empty for a silent interface
    QByteArray ecrits;
    int ouvertures = 0;
    std::optional<QStringList> ports; // the ports present, as the system's port lists them

    void setCommPort(int numero) override { numero_ = numero; }
    int commPort() const override { return numero_; }
    void setSettings(const QString& reglages) override { reglages_ = reglages; }
    QString settings() const { return reglages_; }
    bool setPortOpen(bool ouvert) override
    {
        if (ouvert && !ouverture_possible) {
            erreur_ = raison;
            return false;
        }
        ouvertures += ouvert ? 1 : 0;
        ouvert_ = ouvert;
        return true;
    }
    bool portOpen() const override { return ouvert_; }
    QString erreur() const override { return erreur_; }
    QString peripherique() const override { return "/dev/ttyS" + QString::number(numero_ - 1); }
    std::optional<QStringList> ports_a_repondre() const override { return ports; }
    void output(const QByteArray& octets) override
    {
        ecrits += octets;
        if (octets == "WEA 0\r")
            recus_ += reponse_ea;
    }
    QByteArray input() override { return std::exchange(recus_, {}); }
    void setInputLen(int longueur) override { longueur_ = longueur; }
    int inputLen() const override { return longueur_; }

private:
    int numero_ = 0;
    QString reglages_;
    bool ouvert_ = false;
    QString erreur_;
    QByteArray recus_;
    int longueur_ = 0;
};

} // namespace optolink::essai
