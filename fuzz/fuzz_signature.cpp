// The update signature check on arbitrary bytes. The input is split into a public key
// (32 bytes), a signature (64 bytes) and the signed data (the rest; shorter inputs give
// shorter, wrongly sized parts). Never a crash; a signature made with the run's own key
// verifies, and no longer once the data or the signature changes.
#include "fuzzsigner.h"
#include "fuzzsupport.h"

#include "update/signature.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray all(reinterpret_cast<const char *>(data), int(size));
    const QByteArray key = all.left(kEd25519KeySize);
    const QByteArray sig = all.mid(kEd25519KeySize, kEd25519SignatureSize);
    const QByteArray signedData = all.mid(kEd25519KeySize + kEd25519SignatureSize);
    const bool wrongSize = key.size() != kEd25519KeySize || sig.size() != kEd25519SignatureSize;
    const bool accepted = VerifySignature(signedData, sig, key);
    FUZZ_CHECK(!(wrongSize && accepted));

    static const FuzzSigner signer;
    const QByteArray ours = signer.PublicKey();
    const QByteArray good = signer.Sign(all);
    FUZZ_CHECK(ours.size() == kEd25519KeySize && good.size() == kEd25519SignatureSize);
    FUZZ_CHECK(VerifySignature(all, good, ours));
    FUZZ_CHECK(!VerifySignature(all + 'x', good, ours));
    QByteArray changed = all;
    if (!changed.isEmpty()) {
        changed[int(size / 2)] = char(changed.at(int(size / 2)) ^ 0x01);
        FUZZ_CHECK(!VerifySignature(changed, good, ours));
    }
    QByteArray badSig = good;
    badSig[int(size % kEd25519SignatureSize)] = char(badSig.at(int(size % kEd25519SignatureSize)) ^ 0x80);
    FUZZ_CHECK(!VerifySignature(all, badSig, ours));
    // The input's own signature under our key is good only if it is ours.
    if (!wrongSize && VerifySignature(signedData, sig, ours))
        FUZZ_CHECK(sig == signer.Sign(signedData));
    return 0;
}
