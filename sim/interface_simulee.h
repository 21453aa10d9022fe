#pragma once

#include "sim/adaptateur_usb.h"
#include "sim/decoupeur_commandes.h"
#include "sim/ligne_serie.h"
#include "sim/ordonnanceur.h"
#include "sim/panne.h"
#include "sim/perturbateur.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace optolink::sim {

struct ChangementLaser {
    double instant_s;
    bool allume;
    bool operator==(const ChangementLaser&) const = default;
};

// A data-acquisition interface at the end of its 9600-baud line: laser on the binary output,
// photodiode on EA0. It honours the set-up commands, the EA0 request, the recording commands and
// the laser bytes, each taking effect when its last bit arrives. Time is the Ordonnanceur's only,
// so the same model serves the virtual-time tests and the real-time bench.
//
// Replies: "WEA 0" is answered with the raw reading (0 to 255, 255 standing for 20 V) in decimal
// followed by a carriage return, the terminator the commands use too; a recording sends each
// sample in decimal followed by ",", as it is taken.
class InterfaceSimulee {
public:
    InterfaceSimulee(Ordonnanceur& temps, QString nom, std::function<double()> tension_ea0_v);
    InterfaceSimulee(const InterfaceSimulee&) = delete;
    InterfaceSimulee& operator=(const InterfaceSimulee&) = delete;

    const QString& nom() const { return nom_; }

    // What the computer writes: the bytes cross the line, then take effect one by one.
    void envoyer(const QByteArray& octets);
    // Receives each reply byte once it has crossed the line back; without it replies are lost.
    void surReponse(std::function<void(char)> action) { reponse_ = std::move(action); }

    // Each laser byte then takes effect after a further delay drawn between 0 and gigue_s: how a
    // busy computer or a slow adapter would disturb the lengths of the elements.
    void regler_gigue_laser(double gigue_s, std::uint32_t graine);
    // From now on the computer reaches the interface through a USB link instead of a serial port.
    void regler_usb(const ReglagesUsb& reglages);

    // Misbehaves from now on as the fault says. Once vanished, the interface hears nothing more
    // and sends nothing more.
    void provoquer(const Panne& panne) { perturbateur_.provoquer(panne); }
    void surDisparition(std::function<void()> action) { perturbateur_.surDisparition(std::move(action)); }
    bool disparue() const { return perturbateur_.disparue(); }

    bool laser_allume() const { return laser_; }
    double tension_ea0_v() const { return tension_ea0_v_(); }
    // Every change of the laser's level.
    void surChangementLaser(std::function<void(const ChangementLaser&)> action) { changement_ = std::move(action); }
    // Every EA0 request answered: the instant it took effect and the raw reading sent back.
    void surLectureEa0(std::function<void(double instant_s, int brut)> action) { lecture_ea0_ = std::move(action); }

    // What happened so far, for the tests and the bench's log, kept until forgotten: a long run
    // forgets it from time to time, or it grows with every request.
    void oublier_journal();
    // What happened so far (since the journal was last forgotten).
    const std::vector<ChangementLaser>& journal_laser() const { return journal_; }
    const QByteArray& octets_recus() const { return octets_recus_; }
    const QList<QByteArray>& lignes_recues() const { return lignes_; }      // without their CR
    const QList<QByteArray>& commandes_recues() const { return commandes_; } // one per 'W'
    bool enregistrement_en_cours() const { return enregistrement_en_cours_; }

private:
    struct Programme {
        int nb;
        double periode_s;
    };

    void arrivee(char c);
    void laser(bool allume);
    void executer(const QByteArray& commande);
    void programmer(const QByteArray& arguments);
    void lancer();
    void echantillon(std::uint64_t generation, Programme programme, int rang, double debut_s);
    void repondre(const QByteArray& texte);

    Ordonnanceur& temps_;
    QString nom_;
    std::function<double()> tension_ea0_v_;
    LigneSerie descendante_;
    LigneSerie montante_;
    Perturbateur perturbateur_;
    std::unique_ptr<AdaptateurUsb> usb_;
    DecoupeurCommandes decoupeur_;
    std::function<void(char)> reponse_;
    std::function<void(const ChangementLaser&)> changement_;
    std::function<void(double, int)> lecture_ea0_;

    bool laser_ = false;
    double gigue_laser_s_ = 0;
    std::mt19937 hasard_gigue_;
    std::optional<Programme> programme_;
    bool enregistrement_en_cours_ = false;
    std::uint64_t generation_ = 0; // a new start abandons the recording under way

    std::vector<ChangementLaser> journal_;
    QByteArray octets_recus_;
    QList<QByteArray> lignes_;
    QList<QByteArray> commandes_;
};

} // namespace optolink::sim
