#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Prompter;
class QWidget;
struct LookupFields;

// The look-ups and the update check live in a module of their own (kestravon-online),
// loaded the first time one of them is used: they are the only users of Qt Network (with
// its Kerberos and proxy libraries), libcrypto and libzip, so the program starts and shows
// its window without loading any of these. The program itself only knows this table.

// Raised whenever the table or the types it passes change, so that a module of another
// build is refused instead of called.
constexpr int kOnlineRevision = 1;

struct OnlineServices
{
    int revision;
    const char *release;  // kProgramRelease of the build
    // The update check (update/update.h: CheckForUpdate on the running program's site).
    bool (*checkForUpdate)(const QString &programName, const QString &currentVersion, bool restart,
                           Prompter &prompter);
    // The directory look-up on the record editor's values (web/infobeldlg.h).
    bool (*infoBelLookup)(LookupFields &fields, Prompter &prompter, QWidget *parent, const QByteArray &host);
    // The geocoding look-up with the provider of that name and address (web/geocodedlg.h).
    bool (*geocodeLookup)(LookupFields &fields, Prompter &prompter, QWidget *parent, const QString &provider,
                          const QByteArray &baseUrl);
};

// The name of the function every module exports: it returns its table when it was built
// for `revision` and `release`, else null.
#define KESTRAVON_ONLINE_ENTRY "kestravon_online_services"
using OnlineEntry = const OnlineServices *(*)(int revision, const char *release);

// The files tried, in order: the module beside the executable (a program folder that
// updates itself), then where the install rules put it (e.g.
// /usr/lib/x86_64-linux-gnu/kestravon/ for /usr/bin/kestravon).
QStringList OnlineModuleCandidates(const QString &programDirectory);

// Loads the first of `candidates` that exists; its table, or null with `reason` telling
// which files were tried and why each failed. A loaded module stays loaded.
const OnlineServices *LoadOnlineModule(const QStringList &candidates, QString &reason);

// The services for this run: those given to UseOnlineServices, else the module beside the
// running program, loaded on the first call. Null when it cannot be loaded, after the user
// has been told why through `prompter`.
const OnlineServices *Online(Prompter &prompter);

// Makes Online() answer with `services` (e.g. the table linked into a test) without
// loading a module; null goes back to loading it.
void UseOnlineServices(const OnlineServices *services);
