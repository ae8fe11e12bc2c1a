#!/usr/bin/env bash
# Signs an update archive for the program's update check: writes ARCHIVE.sig, the detached
# Ed25519 signature (64 raw bytes) that is published beside the archive, checks it with
# the key's public half and prints that public half (raw, hex), which must be the key
# compiled into the program (src/update/signature.cpp).
# Usage: scripts/sign-update.sh ARCHIVE PRIVATE_KEY      (PRIVATE_KEY: Ed25519, PEM)
set -euo pipefail
if [ $# -ne 2 ]; then
  echo "usage: $0 ARCHIVE PRIVATE_KEY" >&2
  exit 2
fi
archive=$1
key=$2
openssl pkeyutl -sign -rawin -inkey "$key" -in "$archive" -out "$archive.sig"
public=$(mktemp)
trap 'rm -f "$public"' EXIT
openssl pkey -in "$key" -pubout -out "$public"
openssl pkeyutl -verify -rawin -pubin -inkey "$public" -in "$archive" -sigfile "$archive.sig" >/dev/null
echo "signed: $archive.sig"
echo "public key: $(openssl pkey -pubin -in "$public" -outform DER | tail -c 32 | od -An -tx1 | tr -d ' \n')"
