#include "demonstration/lanceur.h"

#include <QTimer>

#include <algorithm>

namespace optolink::demonstration {

namespace {
// What the bench writes once it serves its ports.
const QByteArray banc_pret_ligne = "Ctrl-C pour arrêter.";
// A program asked to close and a bench whose input has ended are given this long, then killed.
constexpr int delai_arret_ms = 3000;
} // namespace

Lanceur::Lanceur(Programmes programmes, QObject* parent) : QObject(parent), programmes_(std::move(programmes))
{
    banc_.setProcessChannelMode(QProcess::MergedChannels);
    lier_au_lanceur(banc_, true);
    connect(&banc_, &QProcess::readyReadStandardOutput, this, [this] { lire_banc(); });
    placement_.setInterval(300);
    connect(&placement_, &QTimer::timeout, this, [this] { placer_fenetres(pids_programmes()); });
    connect(&banc_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
        if (e == QProcess::FailedToStart)
            emit erreur(QStringLiteral("Le banc simulé n'a pas pu démarrer (%1).").arg(programmes_.banc));
    });
    connect(&banc_, &QProcess::finished, this, [this] {
        if (!arret_demande_) {
            const QString raison = QString::fromUtf8(sortie_banc_).trimmed(); // the bench writes UTF-8
            emit erreur(
                QStringLiteral("Le banc simulé s'est arrêté.%1").arg(raison.isEmpty() ? QString() : u'\n' + raison));
        }
        un_processus_fini();
    });
}

Lanceur::~Lanceur()
{
    // Whatever still runs goes with the launcher.
    for (auto& f : fenetres_)
        if (f && f->state() != QProcess::NotRunning) {
            f->kill();
            f->waitForFinished(1000);
        }
    if (banc_.state() != QProcess::NotRunning) {
        banc_.closeWriteChannel();
        if (!banc_.waitForFinished(delai_arret_ms)) {
            banc_.kill();
            banc_.waitForFinished(1000);
        }
    }
}

void Lanceur::demarrer()
{
    const QStringList arguments{QStringLiteral("--ports"),
                                QStringLiteral("%1,%2").arg(programmes_.ports[0]).arg(programmes_.ports[1]),
                                QStringLiteral("--commandes")};
    banc_.start(programmes_.banc, arguments);
}

void Lanceur::lire_banc()
{
    sortie_banc_ += banc_.readAllStandardOutput();
    if (!pret_ && sortie_banc_.contains(banc_pret_ligne)) {
        pret_ = true;
        emit banc_pret();
        demarrer_programmes();
    }
}

void Lanceur::demarrer_programmes()
{
    for (int rang = 0; rang < 2; ++rang) {
        auto& f = fenetres_[static_cast<std::size_t>(rang)];
        f = std::make_unique<QProcess>();
        f->setProcessChannelMode(QProcess::ForwardedChannels);
        lier_au_lanceur(*f, false);
        connect(f.get(), &QProcess::finished, this, [this] { un_processus_fini(); });
        connect(f.get(), &QProcess::errorOccurred, this, [this](QProcess::ProcessError e) {
            if (e == QProcess::FailedToStart) {
                emit erreur(QStringLiteral("Le programme n'a pas pu démarrer (%1).").arg(programmes_.programme));
                un_processus_fini();
            }
        });
        f->start(programmes_.programme, {});
        emit programme_demarre(rang);
    }
    if (fenetres_placables())
        placement_.start();
}

bool Lanceur::en_marche() const
{
    if (banc_.state() != QProcess::NotRunning)
        return true;
    for (const auto& f : fenetres_)
        if (f && f->state() != QProcess::NotRunning)
            return true;
    return false;
}

std::array<qint64, 2> Lanceur::pids_programmes() const
{
    std::array<qint64, 2> pids{};
    for (std::size_t rang = 0; rang < 2; ++rang)
        if (fenetres_[rang] && fenetres_[rang]->state() == QProcess::Running)
            pids[rang] = fenetres_[rang]->processId();
    return pids;
}

void Lanceur::commander_banc(const QString& ligne)
{
    if (banc_.state() == QProcess::Running)
        banc_.write((ligne + u'\n').toUtf8());
}

// The windows are asked to close, as their frame's button does; the bench's input is ended. What
// has not ended in a few seconds is killed.
void Lanceur::arreter()
{
    if (arret_demande_)
        return;
    arret_demande_ = true;
    placement_.stop();
    for (auto& f : fenetres_)
        if (f && f->state() != QProcess::NotRunning)
            f->terminate();
    banc_.closeWriteChannel();
    QTimer::singleShot(delai_arret_ms, this, [this] {
        for (auto& f : fenetres_)
            if (f && f->state() != QProcess::NotRunning)
                f->kill();
        if (banc_.state() != QProcess::NotRunning)
            banc_.kill();
    });
    un_processus_fini();
}

// Both windows closed by the user: the demonstration is over, the bench goes too.
void Lanceur::un_processus_fini()
{
    const bool fenetres_fermees = std::all_of(fenetres_.begin(), fenetres_.end(),
                                              [](const auto& f) { return f && f->state() == QProcess::NotRunning; });
    if (fenetres_fermees && !arret_demande_) {
        arreter();
        return;
    }
    if (arret_demande_ && !en_marche() && !fini_annonce_) {
        fini_annonce_ = true;
        QTimer::singleShot(0, this, [this] { emit fini(); });
    }
}

} // namespace optolink::demonstration
