#include "banc_en_fil.h"

#include <QMetaObject>

namespace optolink::mesures {

BancEnFil::BancEnFil(std::array<int, 2> numeros, const QString& dossier,
                     const std::array<sim::BancReel::FabriqueCarte, 2>& cartes)
    : contexte_(new QObject)
{
    contexte_->moveToThread(&fil_);
    fil_.start();
    QMetaObject::invokeMethod(
        contexte_,
        [&] {
            priorite_.elever();
            banc_ = std::make_unique<sim::BancReel>(sim::ReglagesLumiere{}, numeros, dossier, cartes);
            erreur_ = banc_->erreur();
        },
        Qt::BlockingQueuedConnection);
}

BancEnFil::~BancEnFil()
{
    QMetaObject::invokeMethod(
        contexte_,
        [this] {
            banc_.reset();
            delete contexte_;
        },
        Qt::BlockingQueuedConnection);
    fil_.quit();
    fil_.wait();
}

void BancEnFil::dans_le_fil(const std::function<void(sim::BancReel&)>& action)
{
    QMetaObject::invokeMethod(contexte_, [&] { action(*banc_); }, Qt::BlockingQueuedConnection);
}

} // namespace optolink::mesures
