#pragma once
// The keyed stream cipher: three cascaded permutations of 463, 251 and 181 entries, keyed by a
// key and an optional second key (the PCC), with ciphertext feedback into every keystream byte.
#include <cstdint>
#include <span>
#include <string_view>

namespace qv::cipher {

// Prepares the permutations from key and pcc (pcc may be empty) and resets the indexes and the
// feedback byte. The key holds at least one byte.
void KeySchedule(std::string_view key, std::string_view pcc);

// Advances the three permutations with feedback fb and returns one keystream byte.
uint8_t NextKeyByte(uint8_t fb);

// One byte each way; both feed the ciphertext byte back into the next keystream byte.
uint8_t EncryptByte(uint8_t plain);
uint8_t DecryptByte(uint8_t cipher);

// The whole buffer in place. Every 5000 bytes window messages run and progress is drawn
// (56 to 100 % encrypting, 0 to 50 % decrypting); an abort stops the loop there, leaving the
// rest unchanged. Returns false when aborted.
bool EncryptBytes(std::span<char> buffer);
bool DecryptBytes(std::span<char> buffer);

}  // namespace qv::cipher
