#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <memory>

namespace optolink::demonstration {

// What the demonstration starts: the simulated bench on two port numbers, then one program window
// per port. The programs are the ones the teacher will use with the hardware, unchanged: they ask
// their questions, the window of the demonstration says what to answer.
struct Programmes {
    QString banc;      // optolink-bench
    QString programme; // optolink
    std::array<int, 2> ports{1, 2};
};

// The processes of the demonstration, started in order and stopped together: closing the launcher,
// the two program windows both closed, or the launcher ended by the system (a signal, the session's
// end) leave no process behind. The bench is driven by its standard input (--commandes): its end
// stops it, however the launcher went.
class Lanceur : public QObject {
    Q_OBJECT
public:
    explicit Lanceur(Programmes programmes, QObject* parent = nullptr);
    ~Lanceur() override;

    // Starts the bench, and the two programs once it serves its ports.
    void demarrer();
    // Stops what runs; fini() follows once every process has ended.
    void arreter();
    // A line for the bench (a setting of its light).
    void commander_banc(const QString& ligne);
    bool en_marche() const;
    // The two programs' process ids, 0 when not running.
    std::array<qint64, 2> pids_programmes() const;

signals:
    void banc_pret();
    void programme_demarre(int rang);
    // The bench did not start or stopped by itself: why, in French.
    void erreur(const QString& texte);
    void fini();

private:
    void lire_banc();
    void demarrer_programmes();
    void un_processus_fini();

    Programmes programmes_;
    QProcess banc_;
    std::array<std::unique_ptr<QProcess>, 2> fenetres_;
    QByteArray sortie_banc_;
    bool arret_demande_ = false;
    bool pret_ = false;
    bool fini_annonce_ = false;
    QTimer placement_;
};

// Puts each new window of the two programs in its half of the screen, the first program's on the
// left: which window answers 1 and which 2 is then plain. Where the system lets a program place
// another's windows (fenetres_placables(): Windows); elsewhere the window manager places them.
bool fenetres_placables();
void placer_fenetres(const std::array<qint64, 2>& pids);

// Ties a process the launcher starts to the launcher's life (a child that outlives a launcher
// killed outright is ended by the system), and starts a console program without a console window.
void lier_au_lanceur(QProcess& processus, bool console);

} // namespace optolink::demonstration
