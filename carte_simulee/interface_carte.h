#pragma once

#include "carte_simulee/carte_simulee.h"
#include "sim/extremite.h"
#include "sim/ordonnanceur.h"

#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <string>

namespace optolink::sim {

// The simulated board in the place of a simulated interface: the firmware on its chip, at the end
// of its line (or of its own USB port), lit by a photodiode on A0.
//
// The chip runs on its own time and is brought up to the world's time (the Ordonnanceur's) by a
// periodic event, and before anything from outside reaches it: the computer's bytes, or a look at
// its laser by the facing photodiode. Its bytes are known when it starts sending them, a character
// before their last bit reaches the computer: each is handed over at its own instant, as long as
// the chip is never more than a character behind.
class InterfaceCarte final : public Extremite {
public:
    // How often the chip is brought up to the world's time.
    static constexpr double pas_s = 1e-3;

    // tension_a0_v gives the voltage on A0 at an instant of the world's time. The board is powered up
    // now. Without a loader, it runs the firmware at once and the opening of its port does not
    // restart it: a board whose auto-reset is off. With the loader of a board from the shop (an
    // Intel hex file), it starts there, and again at each opening of its port.
    InterfaceCarte(Ordonnanceur& temps, QString nom, const std::string& chemin_elf,
                   std::function<double(double instant_s)> tension_a0_v, const std::string& chemin_chargeur = {});
    InterfaceCarte(const InterfaceCarte&) = delete;
    InterfaceCarte& operator=(const InterfaceCarte&) = delete;

    const QString& nom() const { return nom_; }
    const CarteSimulee& carte() const { return carte_; }

    void envoyer(const QByteArray& octets) override;
    void surReponse(std::function<void(char)> action) override { reponse_ = std::move(action); }
    void ouverture_du_port() override;
    void regler_vitesse(int bauds) override;
    void regler_usb(const ReglagesUsb& reglages) override;
    bool laser_allume_a(double instant_s) override;
    void surChangementLaser(std::function<void(const ChangementLaser&)> action) override { changement_ = std::move(action); }

private:
    void avancer_jusqua(double instant_s);
    void tic();
    void vers_carte(const QByteArray& octets);
    void vers_ordinateur(char octet);
    void laser(double instant_s, bool allume);

    Ordonnanceur& temps_;
    QString nom_;
    double origine_s_; // the world's time at the chip's power-up
    std::function<double(double)> tension_a0_v_;
    std::deque<ChangementLaser> historique_; // the last second, for the facing photodiode
    std::function<void(char)> reponse_;
    std::function<void(const ChangementLaser&)> changement_;
    std::unique_ptr<AdaptateurUsb> usb_;
    bool remise_auto_;       // the opening of the port restarts the board
    bool en_marche_ = false; // the chip is running: what it asks of the world is in its past
    CarteSimulee carte_;     // last: its callbacks reach the members above
};

} // namespace optolink::sim
