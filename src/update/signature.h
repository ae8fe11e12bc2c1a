#pragma once

#include <QByteArray>

// Detached Ed25519 signatures of update archives. The publisher signs an archive with
// scripts/sign-update.sh (openssl pkeyutl -sign -rawin); the signature is the raw 64 bytes
// published beside the archive as its URL + ".sig". The program checks it against the
// publisher's public key compiled in (the raw 32 bytes of an Ed25519 key).

constexpr int kEd25519KeySize = 32;
constexpr int kEd25519SignatureSize = 64;

// The publisher's public key of this program's updates (32 raw bytes). Only the public
// half is part of the sources; the private key stays with the release manager.
QByteArray UpdatePublicKey();

// True when `signature` is a valid Ed25519 signature of `data` under `publicKey`.
// False for a key or signature of the wrong size, or any other failure.
bool VerifySignature(const QByteArray &data, const QByteArray &signature, const QByteArray &publicKey);
