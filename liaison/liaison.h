#pragma once

#include "liaison/boucle.h"
#include "liaison/com.h"
#include "liaison/horloge.h"
#include "liaison/interface.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace optolink {

// What one tick of the periodic EA0 reading read: the text that arrived (reponseorphy), and its
// voltage unless the text was refused (then the last reading stands).
struct LectureEa0 {
    QString reponse;
    std::optional<double> tension_v;
};

// Everything written to and read from the interface over its serial port.
class Liaison {
public:
    Liaison(Com& com, Horloge& horloge);

    // Opens the port numeroport at "9600,N,8,1" and initialises the interface.
    // False when the port cannot be opened: erreur() then says why, in French.
    bool ouvrir_liaison(int numeroport);
    // The same in two steps, for a start-up that waits between them (silence_ouverture_s).
    bool ouvrir_port(int numeroport);
    void initialiser();
    void fermer_liaison();
    // The line's rate, the interface's 9600 baud from each opening, and a character's time at it.
    int vitesse_bauds() const { return bauds_; }
    double duree_caractere() const { return duree_caractere_a_s(bauds_); }
    // Moves the open port to that rate; false, the rate unchanged, when the port refuses it.
    bool regler_vitesse(int bauds);
    bool ouverte() const { return com_.portOpen(); }
    QString erreur() const { return com_.erreur(); }
    QString peripherique() const { return com_.peripherique(); }
    std::optional<QStringList> ports_a_repondre() const { return com_.ports_a_repondre(); }

    // Laser signals: terminated for the slow codings, bare bytes for the fast ones.
    void allumer_laser();
    void eteindre_laser();
    void allumer_laser_rapide();
    void eteindre_laser_rapide();

    // One tick of the periodic EA0 reading: request, read what has arrived. The reply is read at
    // the next tick, so its arrival wakes nobody until a routine reads again (lire()).
    // A read that brings no whole reply while the reply is merely late is no reading: the last
    // voltage stands, as when the timer does not tick. On a busy computer the replies come late and
    // in pieces (the system hands a serial port's bytes on from a worker thread that waits for a
    // processor too; two of the program's ticks can come back to back): an empty read, or the "5"
    // of a "51" cut in two, made a dark instant in the middle of a light pulse. So once the
    // interface has shown that it ends its replies with a carriage return, a reply cut between two
    // reads counts once, whole, when its end arrives. An interface that has left a request without
    // a reply for reponse_tardive_max_s or more reads as the dark, as a silent interface always has.
    LectureEa0 Minuterie_Timer();
    static constexpr double reponse_tardive_max_s = 0.5;

    // Programs a recording of nbmesuresmax samples at the period chosen by modevitesse, and gives
    // that period (periodemesure); nothing for a mode other than 0, 1 or 2. Then starts it.
    std::optional<double> programmer_enregistrement(int nbmesuresmax, Echantillonnage modevitesse);
    void lancer_enregistrement();

    // Reads what has arrived, subject to the input length; empty when nothing. The routine that
    // reads is waiting for the interface: the next byte wakes it.
    QString lire();
    // The timer's last "WEA 0" is not answered yet: no carriage return (the end of every reply) has
    // been read since the tick that wrote it read the replies before. When that request was written.
    bool reponse_ea0_attendue() const { return reponse_ea0_attendue_; }
    double derniere_demande_ea0_s() const { return derniere_demande_ea0_s_; }
    void definir_longueur_entree(int longueur) { com_.setInputLen(longueur); }

    void ecrire(const QByteArray& octets);

    // The interface owes a reply from this instant (a request, a recording under way), unless it
    // already owed one. Any byte read pays what it owes.
    void noter_demande(double maintenant_s);
    // Runs the action given to surSilence, once, when the port is open and the interface has owed
    // a reply for delai_silence_s: frozen, switched off, its data wire cut. A byte read again
    // re-arms the watch.
    void verifier_silence(double maintenant_s);
    void surSilence(std::function<void()> action) { silence_ = std::move(action); }
    // When verifier_silence would tell it, for a wait that must not sleep past it; never if not.
    double echeance_silence_s() const;
    static constexpr double delai_silence_s = 2.0;

    // A level asserted again and again is sent again at most this often.
    static constexpr double rappel_signal_s = 0.05;

private:
    void ecrire_signal(const QByteArray& signal);
    void ecrire_a(const QByteArray& octets, double maintenant);
    QString lire_arrivees();
    QString reponse_reassemblee(const QString& recus);
    bool reponse_entiere(const QString& lue) const;

    Com& com_;
    Horloge& horloge_;
    int bauds_ = vitesse_interface_bauds;
    double ligne_occupee_jusqua_s_ = 0;
    QByteArray dernier_ecrit_;
    double dernier_ecrit_a_s_ = 0;
    std::optional<double> reponse_due_depuis_s_;
    bool reponse_ea0_attendue_ = false;
    std::optional<double> ea0_sans_reponse_depuis_s_; // the oldest "WEA 0" not answered yet
    bool reponses_terminees_ = false; // a carriage return has ended a reply read by a tick
    QString debut_de_reponse_;        // what came of a reply after the last carriage return read
    double derniere_demande_ea0_s_ = -jamais_s;
    bool silence_signale_ = false;
    std::function<void()> silence_;
};

// The recording command for a sample count and a speed mode, without its carriage return
// ("WPE 1  6400 1300 1 0"); empty for a mode other than 0, 1 or 2.
QByteArray commande_enregistrement(int nbmesuresmax, Echantillonnage modevitesse);

} // namespace optolink
