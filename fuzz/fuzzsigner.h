#pragma once

// An Ed25519 key pair made for the fuzzing run, and signing with it.
#include <QByteArray>

#include <openssl/evp.h>

class FuzzSigner
{
public:
    FuzzSigner()
    {
        EVP_PKEY_CTX *ctx = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
        if (ctx && EVP_PKEY_keygen_init(ctx) == 1)
            EVP_PKEY_keygen(ctx, &key_);
        EVP_PKEY_CTX_free(ctx);
    }
    ~FuzzSigner() { EVP_PKEY_free(key_); }

    QByteArray PublicKey() const
    {
        QByteArray raw(32, '\0');
        size_t len = size_t(raw.size());
        if (!key_ || EVP_PKEY_get_raw_public_key(key_, reinterpret_cast<unsigned char *>(raw.data()), &len) != 1)
            return {};
        return raw;
    }

    QByteArray Sign(const QByteArray &data) const
    {
        QByteArray sig(64, '\0');
        size_t len = size_t(sig.size());
        EVP_MD_CTX *ctx = EVP_MD_CTX_new();
        const bool ok = ctx && EVP_DigestSignInit(ctx, nullptr, nullptr, nullptr, key_) == 1
            && EVP_DigestSign(ctx, reinterpret_cast<unsigned char *>(sig.data()), &len,
                              reinterpret_cast<const unsigned char *>(data.constData()), size_t(data.size())) == 1;
        EVP_MD_CTX_free(ctx);
        return ok ? sig : QByteArray();
    }

private:
    EVP_PKEY *key_ = nullptr;
};
