#pragma once

#include <cstddef>
#include <cstdint>

// One entry per reader of a file a user can place or receive: the bytes are
// given to the reader as that file (or straight to its parser) and what it
// read is used the way the program uses it. Called by the libFuzzer targets
// and by the replay of the kept inputs in the test suite.
namespace Bersagli {

using Funzione = int (*)(const uint8_t* dati, size_t n);

int dipendente(const uint8_t* dati, size_t n);
int azienda(const uint8_t* dati, size_t n);
int paghe(const uint8_t* dati, size_t n);
int variabili(const uint8_t* dati, size_t n);
int stipendi(const uint8_t* dati, size_t n);
int movimenti(const uint8_t* dati, size_t n);
int stato(const uint8_t* dati, size_t n);
int parametri(const uint8_t* dati, size_t n);
int assegni(const uint8_t* dati, size_t n);
int tariffe(const uint8_t* dati, size_t n);
int nap(const uint8_t* dati, size_t n);
int banche(const uint8_t* dati, size_t n);
int ferie(const uint8_t* dati, size_t n);
int csv(const uint8_t* dati, size_t n);
int valute(const uint8_t* dati, size_t n);
int certificato(const uint8_t* dati, size_t n);
int generi(const uint8_t* dati, size_t n);
int campi(const uint8_t* dati, size_t n);
int ccl(const uint8_t* dati, size_t n);

// Removes the home folder the entries made (at the end of a replay).
void pulisci();

// The entry of a name ("dipendente", ...); null when there is none.
Funzione trova(const char* nome);

} // namespace Bersagli
