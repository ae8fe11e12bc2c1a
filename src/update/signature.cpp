#include "update/signature.h"

#include <openssl/evp.h>

#include <memory>

namespace {

// The publisher's Ed25519 public key (raw form; its PEM form is in the README).
const unsigned char kUpdateKey[kEd25519KeySize] = {
    0x07, 0xb9, 0x9a, 0x5f, 0x65, 0x93, 0xb9, 0xbb, 0x63, 0xb0, 0x07, 0x72,
    0xb1, 0xcc, 0x4a, 0x4e, 0xfe, 0xdb, 0x9a, 0x02, 0xc7, 0x60, 0x37, 0x85,
    0xeb, 0x53, 0xb3, 0xad, 0xdb, 0xc7, 0x14, 0xe0};

struct PkeyFree
{
    void operator()(EVP_PKEY *p) const { EVP_PKEY_free(p); }
};
struct MdCtxFree
{
    void operator()(EVP_MD_CTX *c) const { EVP_MD_CTX_free(c); }
};

} // namespace

QByteArray UpdatePublicKey()
{
    return QByteArray(reinterpret_cast<const char *>(kUpdateKey), kEd25519KeySize);
}

bool VerifySignature(const QByteArray &data, const QByteArray &signature, const QByteArray &publicKey)
{
    if (publicKey.size() != kEd25519KeySize || signature.size() != kEd25519SignatureSize)
        return false;
    std::unique_ptr<EVP_PKEY, PkeyFree> key(EVP_PKEY_new_raw_public_key(
        EVP_PKEY_ED25519, nullptr, reinterpret_cast<const unsigned char *>(publicKey.constData()),
        size_t(publicKey.size())));
    if (!key)
        return false;
    std::unique_ptr<EVP_MD_CTX, MdCtxFree> ctx(EVP_MD_CTX_new());
    // Ed25519 signs the message itself (no separate digest): one-shot verification.
    if (!ctx || EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, key.get()) != 1)
        return false;
    return EVP_DigestVerify(ctx.get(), reinterpret_cast<const unsigned char *>(signature.constData()),
                            size_t(signature.size()),
                            reinterpret_cast<const unsigned char *>(data.constData()),
                            size_t(data.size()))
        == 1;
}
