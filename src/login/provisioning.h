#pragma once
// The remembered login set from a shell (an installer, a configuration-management run) instead of
// the login screen: the same store, written as the screen's two ticks write it. No widgets.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QTextStream>

namespace sumbrel {

// Exit statuses of the shell commands.
inline constexpr int kProvisioned = 0;
inline constexpr int kNotWritten = 1;  // the store could not be written (or removed)
inline constexpr int kRefused = 2;  // the input or the command line was not usable

// Stores the ID and password as "remember" (and "log in automatically" when autoLogin) do on the
// login screen. Says on out which ID it stored (never the password), on err why it did not.
int StoreLogin(const QString& id, const QString& password, bool autoLogin, QTextStream& out, QTextStream& err);
// Removes the remembered login.
int ForgetLogin(QTextStream& out, QTextStream& err);

struct ProvisioningCommand {
    bool store = false;
    bool forget = false;
    bool autoLogin = false;
    QString programFolder;  // --home; empty when not given
};
// The command line's provisioning on the process' standard streams: the ID, then the password, one
// line each from standard input (never from the command line, where ps shows it); from a terminal
// with prompts and the password unseen. With a program folder, that folder must belong to the user running it (the
// store is that user's) and its general log records what was done.
int RunProvisioning(const ProvisioningCommand& command);

// The command line's options for it: --store-login, --auto-login, --forget-login.
class ProvisioningOptions {
public:
    explicit ProvisioningOptions(QCommandLineParser& parser);
    // Either command was given (after parsing).
    bool requested(const QCommandLineParser& parser) const;
    ProvisioningCommand command(const QCommandLineParser& parser, const QString& programFolder) const;

private:
    QCommandLineOption m_store;
    QCommandLineOption m_autoLogin;
    QCommandLineOption m_forget;
};
// Before any parsing: a provisioning command needs no display.
bool ProvisioningRequested(int argc, char* argv[]);

}  // namespace sumbrel
