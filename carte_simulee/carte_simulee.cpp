#include "carte_simulee/carte_simulee.h"

#include <avr_adc.h>
#include <avr_ioport.h>
#include <avr_uart.h>
#include <sim_avr.h>
#include <sim_elf.h>
#include <sim_hex.h>

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace optolink::sim {

namespace {

constexpr int laser_broche = 5; // PH5, digital pin 8
constexpr double tension_max_v = 5.0;

// simavr tells on the console what it loads and configures; only its errors are worth a line.
void journal_erreurs(avr_t*, int niveau, const char* format, va_list arguments)
{
    if (niveau <= LOG_ERROR)
        std::vfprintf(stderr, format, arguments);
}

// Virtual time: a sleeping chip skips to its next event at once instead of waiting for the clock.
void sans_attente(avr_t*, avr_cycle_count_t) {}

void liberer(elf_firmware_t& f)
{
    std::free(f.flash);
    std::free(f.eeprom);
    std::free(f.fuse);
    std::free(f.lockbits);
#if ELF_SYMBOLS
    for (std::uint32_t i = 0; i < f.symbolcount; ++i)
        std::free(f.symbol[i]);
    std::free(f.symbol);
#endif
}

avr_uart_t* uart0(avr_t* avr)
{
    for (avr_io_t* io = avr->io_port; io; io = io->next)
        if (std::strcmp(io->kind, "uart") == 0 && reinterpret_cast<avr_uart_t*>(io)->name == '0')
            return reinterpret_cast<avr_uart_t*>(io);
    throw std::runtime_error("simavr : pas d'UART 0 sur l'ATmega2560");
}

} // namespace

CarteSimulee::CarteSimulee(const std::string& chemin_elf, std::function<double(double)> tension_a0_v)
    : CarteSimulee(chemin_elf, {}, std::move(tension_a0_v))
{
}

CarteSimulee::CarteSimulee(const std::string& chemin_elf, const std::string& chemin_chargeur_hex,
                           std::function<double(double)> tension_a0_v)
    : tension_a0_v_(std::move(tension_a0_v))
{
    avr_global_logger_set(journal_erreurs);
    elf_firmware_t firmware{};
    if (elf_read_firmware(chemin_elf.c_str(), &firmware) != 0)
        throw std::runtime_error("micrologiciel illisible : " + chemin_elf);
    avr_.reset(avr_make_mcu_by_name("atmega2560"));
    if (!avr_ || avr_init(avr_.get()) != 0) {
        liberer(firmware);
        throw std::runtime_error("simavr ne connaît pas l'ATmega2560");
    }
    avr_load_firmware(avr_.get(), &firmware);
    liberer(firmware);
    if (!chemin_chargeur_hex.empty())
        charger_chargeur(chemin_chargeur_hex);
    avr_->frequency = static_cast<std::uint32_t>(frequence_hz);
    avr_->vcc = avr_->avcc = avr_->aref = 5000; // mV: the board's USB supply
    avr_->sleep = sans_attente;
    avr_->log = LOG_ERROR;

    std::uint32_t drapeaux = 0; // neither echo on the console nor slowing down a polling loop
    avr_ioctl(avr_.get(), AVR_IOCTL_UART_SET_FLAGS('0'), &drapeaux);
    uart_ = uart0(avr_.get());
    entree_uart_ = avr_io_getirq(avr_.get(), AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_INPUT);
    avr_irq_register_notify(avr_io_getirq(avr_.get(), AVR_IOCTL_UART_GETIRQ('0'), UART_IRQ_OUTPUT), sur_octet_sortant, this);
    avr_irq_register_notify(avr_io_getirq(avr_.get(), AVR_IOCTL_IOPORT_GETIRQ('H'), laser_broche), sur_broche_laser, this);
    entree_a0_ = avr_io_getirq(avr_.get(), AVR_IOCTL_ADC_GETIRQ, ADC_IRQ_ADC0);
    avr_irq_register_notify(avr_io_getirq(avr_.get(), AVR_IOCTL_ADC_GETIRQ, ADC_IRQ_OUT_TRIGGER), sur_conversion, this);
    avancer_jusqua(100e-6);
    corriger_cadence_uart();
}

void CarteSimulee::Arret::operator()(avr_t* avr) const
{
    avr_terminate(avr);
    std::free(avr);
}

// The loader goes where its hex file puts it, and the chip starts there (the fuse BOOTRST).
void CarteSimulee::charger_chargeur(const std::string& chemin_hex)
{
    ihex_chunk_p morceaux = nullptr;
    const int nombre = read_ihex_chunks(chemin_hex.c_str(), &morceaux);
    if (nombre <= 0)
        throw std::runtime_error("chargeur illisible : " + chemin_hex);
    for (int i = 0; i < nombre; ++i)
        avr_loadcode(avr_.get(), morceaux[i].data, morceaux[i].size, morceaux[i].baseaddr);
    debut_chargeur_ = morceaux[0].baseaddr;
    free_ihex_chunks(morceaux);
    avr_->reset_pc = avr_->pc = debut_chargeur_;
    lance_a_s_ = -1;
}

double CarteSimulee::maintenant_s() const { return instant_s(avr_->cycle); }

std::uint64_t CarteSimulee::cycles() const { return avr_->cycle; }

std::uint64_t CarteSimulee::cycle_de(double instant) const
{
    return static_cast<std::uint64_t>(std::llround(instant * frequence_hz));
}

void CarteSimulee::avancer_jusqua(double instant)
{
    const std::uint64_t fin = cycle_de(instant);
    if (fin <= avr_->cycle)
        return;
    programmer(fin, [] {}); // a sleeping chip wakes there
    while (avr_->cycle < fin) {
        const std::uint64_t avant = avr_->cycle;
        const bool eveille = avr_->state == cpu_Running;
        const int etat = avr_run(avr_.get());
        // A sleep instruction puts the core to sleep and skips its sleep in the same call.
        if (eveille)
            cycles_eveille_ += etat == cpu_Running ? avr_->cycle - avant : 1;
        if (lance_a_s_ < 0 && avr_->pc < debut_chargeur_)
            lance_a_s_ = maintenant_s();
        if (etat == cpu_Done || etat == cpu_Crashed)
            throw std::runtime_error("le micrologiciel s'est arrêté");
    }
}

void CarteSimulee::remettre_a_zero()
{
    avr_reset(avr_.get());
    if (debut_chargeur_)
        lance_a_s_ = -1;
    // The reset dropped the simulator's timers: the next event is armed afresh.
    arme_ = 0;
    armer();
    sur_broche_laser(nullptr, 0, this);
}

// simavr counts 11 bits per character at 8N1, as if there were a parity bit: the line is put back
// to 10 bits, the pace of the real chip, from the rate the firmware has set.
std::uint64_t CarteSimulee::cycles_par_octet() const
{
    const std::uint32_t ubrr = avr_regbit_get(avr_.get(), uart_->ubrrl) | avr_regbit_get(avr_.get(), uart_->ubrrh) << 8;
    const std::uint32_t cycles_par_bit = (ubrr + 1) * (avr_regbit_get(avr_.get(), uart_->u2x) ? 8 : 16);
    return cycles_par_bit * 10;
}

void CarteSimulee::corriger_cadence_uart() { uart_->cycles_per_byte = cycles_par_octet(); }

int CarteSimulee::vitesse_puce_bauds() const
{
    return static_cast<int>(std::lround(frequence_hz * 10 / static_cast<double>(cycles_par_octet())));
}

// A UART frames a byte whose rate is within a few per cent of its own.
bool CarteSimulee::meme_vitesse() const
{
    return std::abs(vitesse_puce_bauds() - bauds_ordinateur_) < 0.03 * bauds_ordinateur_;
}

void CarteSimulee::envoyer(std::string_view octets)
{
    for (const char c : octets) {
        libre_descendante_s_ = std::max(maintenant_s(), libre_descendante_s_) + duree_caractere_a_s(bauds_ordinateur_);
        entrants_.emplace_back(libre_descendante_s_, c);
        if (entrants_.size() == 1)
            livrer_entrants();
    }
}

// The chip's receiver raises its flag a character's time after simavr is handed a byte: each byte
// is handed over that long before its last bit arrives. While the chip has not read the byte
// before, the next one waits: handed to a full receiver, simavr would let the firmware read it a
// character too early.
void CarteSimulee::livrer_entrants()
{
    if (entrants_.empty())
        return;
    corriger_cadence_uart();
    const std::uint64_t remise = cycle_de(entrants_.front().first) - cycles_par_octet();
    if (remise > avr_->cycle || uart_->input.read != uart_->input.write) {
        programmer(std::max(remise, avr_->cycle + 16), [this] { livrer_entrants(); });
        return;
    }
    // The receiver holds one byte at a time here: its framing-error flag is that byte's. simavr 1.6
    // keeps the flag its input is given in its queue without showing it in the register, so the
    // register is set too.
    const std::uint32_t octet = static_cast<std::uint8_t>(entrants_.front().second);
    const bool trame = meme_vitesse();
    avr_raise_irq(entree_uart_, trame ? octet : octet | UART_INPUT_FE);
    avr_regbit_setto(avr_.get(), uart_->fe, !trame);
    entrants_.pop_front();
    livrer_entrants();
}

void CarteSimulee::sur_octet_sortant(avr_irq_t*, std::uint32_t valeur, void* moi)
{
    auto* carte = static_cast<CarteSimulee*>(moi);
    carte->corriger_cadence_uart();
    const std::uint64_t debut = std::max<std::uint64_t>(carte->avr_->cycle, carte->libre_montante_);
    const std::uint64_t fin = debut + carte->cycles_par_octet();
    carte->libre_montante_ = fin;
    if (!carte->meme_vitesse())
        return;
    const char octet = static_cast<char>(valeur);
    if (carte->depart_)
        carte->depart_(carte->instant_s(fin), octet);
    carte->programmer(fin, [carte, fin, octet] {
        if (carte->octet_)
            carte->octet_(carte->instant_s(fin), octet);
    });
}

void CarteSimulee::sur_broche_laser(avr_irq_t*, std::uint32_t valeur, void* moi)
{
    auto* carte = static_cast<CarteSimulee*>(moi);
    const bool allume = valeur != 0;
    if (allume == carte->laser_allume_)
        return;
    carte->laser_allume_ = allume;
    if (carte->laser_)
        carte->laser_(carte->maintenant_s(), allume);
}

void CarteSimulee::sur_conversion(avr_irq_t*, std::uint32_t, void* moi)
{
    auto* carte = static_cast<CarteSimulee*>(moi);
    const double instant = carte->maintenant_s();
    const double tension = std::clamp(carte->tension_a0_v_(instant), 0.0, tension_max_v);
    avr_raise_irq(carte->entree_a0_, static_cast<std::uint32_t>(std::lround(tension * 1000)));
    if (carte->conversion_)
        carte->conversion_(instant, tension);
}

void CarteSimulee::programmer(std::uint64_t cycle, std::function<void()> action)
{
    evenements_.emplace(cycle, std::move(action));
    armer();
}

void CarteSimulee::armer()
{
    if (dans_echeance_ || evenements_.empty())
        return;
    const std::uint64_t premier = evenements_.begin()->first;
    if (arme_ != 0 && arme_ <= premier)
        return;
    arme_ = premier;
    avr_cycle_timer_register(avr_.get(), premier > avr_->cycle ? premier - avr_->cycle : 1, echeance, this);
}

// The simulator's timer for the first event: runs every event due, then asks to be called again
// at the next one.
std::uint64_t CarteSimulee::echeance(avr_t* avr, std::uint64_t, void* moi)
{
    auto* carte = static_cast<CarteSimulee*>(moi);
    carte->dans_echeance_ = true;
    while (!carte->evenements_.empty() && carte->evenements_.begin()->first <= avr->cycle) {
        auto action = std::move(carte->evenements_.begin()->second);
        carte->evenements_.erase(carte->evenements_.begin());
        action();
    }
    carte->dans_echeance_ = false;
    carte->arme_ = carte->evenements_.empty() ? 0 : carte->evenements_.begin()->first;
    return carte->arme_ > avr->cycle ? carte->arme_ : (carte->arme_ ? avr->cycle + 1 : 0);
}

} // namespace optolink::sim
