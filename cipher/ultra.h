#pragma once
// The cipher module: stream cipher, Huffman coder, encrypted file format and text envelope.
#include "cipher/base64.h"
#include "cipher/cipher_file.h"
#include "cipher/crypt_file.h"
#include "cipher/crypt_text.h"
#include "cipher/file_names.h"
#include "cipher/huffman.h"
#include "cipher/key_check.h"
#include "cipher/progress.h"
#include "cipher/salt.h"
#include "cipher/stream_cipher.h"
#include "cipher/text_envelope.h"
#include "cipher/ultra_state.h"
