#pragma once

#include "poste/etat.h"
#include "poste/evenements.h"
#include "poste/fenetre.h"
#include "poste/signaux.h"

namespace optolink {

// "15 s" or "30 s": the longest message the receiving station records.
QString duree_enregistrement(const Etat& etat);

// The main window's model as the codings' reports drive it: which captions, colours, texts and
// buttons show each step of a send or a reception, and the readings noted for the signal window.
// The state is read for what the window shows of it (font size, recording length).
class ModeleFenetre final : public Evenements {
public:
    ModeleFenetre(FenetrePrincipale& fenetre, Signaux& signaux, const Etat& etat)
        : fenetre_(fenetre), signaux_(signaux), etat_(etat)
    {
    }

    void attente_commencee() override;
    void impulsion(double debut_s, double fin_s, const QString& sorte) override;
    void reception_commencee(Codage code) override;
    void symboles_recus(const QString& symboles) override;
    void enregistrement_recu(Trace trace) override;
    void message_recu(Codage code, const QString& message, const QString& symboles) override;
    void enregistrement_a_proposer(Codage code) override;
    void reception_terminee() override;

    void decodage_commence() override;
    void repeindre() override;
    void fichier_decode(Codage code, const QString& message, const QString& symboles) override;

    void envoi_commence(Codage code) override;
    void signal_prevu(const QString& signal) override;
    void signal_emis() override;
    void envoi_fini(Codage code) override;

    void attente_du_recepteur(double fait_s, double total_s, double reste_s) override;
    void telechargement(int recus, int attendus, double reste_s) override;
    void avancement_fini() override;

private:
    void polices();
    void afficher_message(Bouton& bouton, const QString& message, const QString& consigne, const QString& symboles);
    void montrer_avancement(double fait, double total, const QString& texte);

    FenetrePrincipale& fenetre_;
    Signaux& signaux_;
    const Etat& etat_;
};

} // namespace optolink
