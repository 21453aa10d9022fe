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

    // Laser signals: terminated for the slow codings, bare bytes for the fast ones.
    void allumer_laser();
    void eteindre_laser();
    void allumer_laser_rapide();
    void eteindre_laser_rapide();

    // One tick of the periodic EA0 reading: request, read what has arrived. The reply is read at
    // the next tick, so its arrival wakes nobody until a routine reads again (lire()).
    LectureEa0 Minuterie_Timer();

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

    Com& com_;
    Horloge& horloge_;
    int bauds_ = vitesse_interface_bauds;
    double ligne_occupee_jusqua_s_ = 0;
    QByteArray dernier_ecrit_;
    double dernier_ecrit_a_s_ = 0;
    std::optional<double> reponse_due_depuis_s_;
    bool reponse_ea0_attendue_ = false;
    double derniere_demande_ea0_s_ = -jamais_s;
    bool silence_signale_ = false;
    std::function<void()> silence_;
};

// The recording command for a sample count and a speed mode, without its carriage return
// ("WPE 1  6400 1300 1 0"); empty for a mode other than 0, 1 or 2.
QByteArray commande_enregistrement(int nbmesuresmax, Echantillonnage modevitesse);

} // namespace optolink
