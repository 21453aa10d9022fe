#include "banc/journal_banc.h"

#include <chrono>
#include <cstdio>

namespace optolink::sim {

namespace {
// How often the writing thread empties the queue: the lines are stamped by their own instants.
constexpr auto pas = std::chrono::milliseconds(20);
} // namespace

JournalBanc::JournalBanc()
{
    pthread_mutexattr_t attributs;
    pthread_mutexattr_init(&attributs);
    pthread_mutexattr_setprotocol(&attributs, PTHREAD_PRIO_INHERIT);
    pthread_mutex_init(&verrou_, &attributs);
    pthread_mutexattr_destroy(&attributs);
    fil_ = std::thread([this] {
        while (!fin_) {
            std::this_thread::sleep_for(pas);
            ecrire_en_attente();
        }
    });
}

JournalBanc::~JournalBanc()
{
    fin_ = true;
    fil_.join();
    ecrire_en_attente();
    pthread_mutex_destroy(&verrou_);
}

void JournalBanc::ecrire(std::string texte)
{
    pthread_mutex_lock(&verrou_);
    en_attente_.push_back(std::move(texte));
    pthread_mutex_unlock(&verrou_);
}

void JournalBanc::ecrire_en_attente()
{
    std::vector<std::string> lignes;
    pthread_mutex_lock(&verrou_);
    lignes.swap(en_attente_);
    pthread_mutex_unlock(&verrou_);
    if (lignes.empty())
        return;
    for (const std::string& l : lignes)
        std::fputs(l.c_str(), stdout);
    std::fflush(stdout);
}

} // namespace optolink::sim
