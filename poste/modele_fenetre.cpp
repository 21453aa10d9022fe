#include "poste/modele_fenetre.h"

#include "poste/journal_reception.h"

#include <algorithm>
#include <cmath>

namespace optolink {

namespace {

// The progress bar counts in thousandths, whatever it measures.
constexpr int graduations = 1000;

bool morse(Codage code) { return code == Codage::morse || code == Codage::morse_rapide; }

Bouton& bouton_envoi(FenetrePrincipale& f, Codage code)
{
    if (code == Codage::morse)
        return f.Btonenvoiemorse;
    if (code == Codage::binaire)
        return f.Btonenvoiebinaire;
    if (code == Codage::morse_rapide)
        return f.Btonenvoi_morserapide;
    return f.Btonenvoi_binrap;
}

// What Etiquette1 asks for once a message is in or out, blanks up to the edge of the label.
QString consigne(Codage code, int blancs)
{
    return (morse(code) ? QStringLiteral(" Entrer un message (26 minuscules sans ponctuation ou 9 chiffres) ou code")
                        : QStringLiteral(" Entrer un message (tout caractère clavier) ou code"))
           + QString(blancs, u' ');
}
constexpr int blancs_reception = 25;
constexpr int blancs_envoi = 9;

QString nom_codage(Codage code) { return morse(code) ? QStringLiteral("MORSE") : QStringLiteral("BINAIRE"); }

} // namespace

QString duree_enregistrement(const Etat& etat)
{
    return etat.nbmesuresmax == 6400 ? QStringLiteral("15 s") : QStringLiteral("30 s");
}

void ModeleFenetre::polices()
{
    fenetre_.Texte1.FontSize = etat_.taillepolice;
    fenetre_.Texte2.FontSize = etat_.taillepolice;
}

void ModeleFenetre::attente_commencee()
{
    fenetre_.montrer();
    polices();
}

void ModeleFenetre::impulsion(double debut_s, double fin_s, const QString& sorte)
{
    signaux_.noter_impulsion(debut_s, fin_s, sorte);
    journaliser_impulsion(debut_s, fin_s, sorte);
}

// Yellow input side, Texte1 locked, Texte2 emptied, the coding's send button and Btonefface off.
void ModeleFenetre::reception_commencee(Codage code)
{
    FenetrePrincipale& f = fenetre_;
    polices();
    if (est_rapide(code)) {
        const QString duree = duree_enregistrement(etat_);
        f.Etiquette2.Caption = "RECEPTION DE MESSAGE EN COURS DANS LA MEMOIRE D'ORPHY  PATIENTEZ environ " + duree
                               + " SVP";
        f.Etiquette1.Caption = "RECEPTION DE CODE " + nom_codage(code) + " RAPIDE EN COURS     PATIENTEZ " + duree
                               + " SVP";
    } else {
        f.Etiquette2.Caption = QStringLiteral("RECEPTION DE MESSAGE EN COURS   PATIENTEZ SVP");
        f.Etiquette1.Caption = "RECEPTION DE CODE " + nom_codage(code) + " EN COURS     PATIENTEZ SVP";
    }
    f.Etiquette1.BackColor = jaune_clair;
    f.Texte1.BackColor = jaune_clair;
    f.Texte1.Locked = true;
    f.Texte2.Text.clear();
    bouton_envoi(f, code).Enabled = false;
    f.Btonefface.Enabled = false;
    // Beside the fast Morse button, the slow Morse one must not start a send either.
    if (code == Codage::morse_rapide)
        f.Btonenvoiemorse.Enabled = false;
}

void ModeleFenetre::symboles_recus(const QString& symboles) { fenetre_.Texte1.Text = symboles; }

void ModeleFenetre::enregistrement_recu(Trace trace) { signaux_.noter_enregistrement(std::move(trace)); }

// Texte2 shows the message, the input side is green and editable again with the symbols in it,
// and the send buttons are back.
void ModeleFenetre::afficher_message(Bouton& bouton, const QString& message, const QString& texte_consigne,
                                     const QString& symboles)
{
    FenetrePrincipale& f = fenetre_;
    f.Etiquette2.Caption = QStringLiteral(" FIN DE RECEPTION DU MESSAGE");
    f.Texte2.Text = message;
    f.Texte2.Locked = true;
    f.Etiquette1.BackColor = vert_clair;
    f.Texte1.BackColor = vert_clair;
    f.Etiquette1.Caption = texte_consigne;
    bouton.Enabled = true;
    f.Btonefface.Enabled = true;
    f.Texte1.Text = symboles;
    f.Texte1.Locked = false;
}

void ModeleFenetre::message_recu(Codage code, const QString& message, const QString& symboles)
{
    afficher_message(bouton_envoi(fenetre_, code), message, consigne(code, blancs_reception), symboles);
    if (code == Codage::morse_rapide) {
        fenetre_.Btonenvoiemorse.Enabled = true;
        fenetre_.montrer();
    }
}

void ModeleFenetre::enregistrement_a_proposer(Codage code)
{
    fenetre_.surOuvrirEnregistrefichier(morse(code) ? QStringLiteral("Enregistrement d'un fichier morse rapide")
                                                    : QStringLiteral("Enregistrement d'un fichier binaire rapide"));
}

void ModeleFenetre::reception_terminee() { signaux_.reception_terminee(); }

void ModeleFenetre::decodage_commence()
{
    fenetre_.Texte1.Text.clear();
    fenetre_.Texte2.Text.clear();
    polices();
}

void ModeleFenetre::repeindre() { fenetre_.rafraichir(); }

// A file gives the send button of the slow coding of the same kind back.
void ModeleFenetre::fichier_decode(Codage code, const QString& message, const QString& symboles)
{
    afficher_message(morse(code) ? fenetre_.Btonenvoiemorse : fenetre_.Btonenvoiebinaire, message,
                     consigne(code, blancs_reception), symboles);
}

// Texte1 locked, the coding's send button and Btonefface off, the output side green.
void ModeleFenetre::envoi_commence(Codage code)
{
    FenetrePrincipale& f = fenetre_;
    const bool rapide = est_rapide(code);
    f.Etiquette1.Caption = rapide
                               ? " ENVOI DU MESSAGE EN COURS  PATIENTEZ environ " + duree_enregistrement(etat_) + " SVP"
                               : QStringLiteral(" ENVOI DU MESSAGE EN COURS  PATIENTEZ SVP");
    f.Texte1.Locked = true;
    bouton_envoi(f, code).Enabled = false;
    f.Btonefface.Enabled = false;
    f.Etiquette2.BackColor = vert_clair;
    f.Texte2.BackColor = vert_clair;
    polices();
    if (rapide)
        f.Etiquette2.Caption = " ENVOI DU CODE "
                               + (morse(code) ? QStringLiteral("MORSE rapide") : QStringLiteral("binaire rapide"))
                               + " EN COURS (message de durée " + duree_enregistrement(etat_) + " maximum)";
    else
        f.Etiquette2.Caption = " ENVOI DU CODE " + nom_codage(code) + " EN COURS";
}

void ModeleFenetre::signal_prevu(const QString& signal)
{
    fenetre_.montrer();
    fenetre_.Texte2.Text = signal;
    fenetre_.montrer();
}

void ModeleFenetre::signal_emis() { fenetre_.Etiquette1.Caption = QStringLiteral(" ENVOI DU MESSAGE TERMINE "); }

// Texte1 editable, the buttons back, the output side yellow and empty, ready to receive.
void ModeleFenetre::envoi_fini(Codage code)
{
    FenetrePrincipale& f = fenetre_;
    f.Etiquette1.Caption = consigne(code, blancs_envoi);
    f.Texte1.Locked = false;
    bouton_envoi(f, code).Enabled = true;
    f.Btonefface.Enabled = true;
    f.Etiquette2.BackColor = jaune_clair;
    f.Texte2.BackColor = jaune_clair;
    f.Etiquette2.Caption = QStringLiteral("Réception de message");
    f.Texte2.Text.clear();
}

// The bar under Etiquette2: fait out of total, and the same in words.
void ModeleFenetre::montrer_avancement(double fait, double total, const QString& texte)
{
    Avancement& a = fenetre_.avancement;
    a.Visible = true;
    a.Maximum = graduations;
    a.Valeur = total > 0 ? static_cast<int>(std::clamp(fait / total, 0.0, 1.0) * graduations) : 0;
    a.Texte = texte;
}

void ModeleFenetre::attente_du_recepteur(double fait_s, double total_s, double reste_s)
{
    montrer_avancement(fait_s, total_s,
                       QStringLiteral("Enregistrement en cours chez le récepteur : encore %1 s")
                           .arg(std::max(0.0, std::ceil(reste_s))));
}

void ModeleFenetre::telechargement(int recus, int attendus, double reste_s)
{
    montrer_avancement(recus, attendus,
                       QStringLiteral("%1 / %2 échantillons reçus, encore %3 s environ")
                           .arg(recus)
                           .arg(attendus)
                           .arg(std::ceil(reste_s)));
}

void ModeleFenetre::avancement_fini() { fenetre_.avancement = {}; }

} // namespace optolink
