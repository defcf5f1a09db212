#include "login/provisioning.h"

#include "login/login_rules.h"
#include "startup/global_state.h"
#include "startup/stored_login.h"
#include "startup/trace_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <pwd.h>
#include <termios.h>
#include <unistd.h>

namespace sumbrel {

namespace {

// One line without its end; empty at the end of the input.
QString ReadLine(QFile& in)
{
    QByteArray line = in.readLine();
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    QString text = QString::fromUtf8(line);
    line.fill('\0');
    return text;
}

// Why the store's file cannot be written, as the system says it.
QString WhyNotWritable(const QString& file)
{
    const QString folder = QFileInfo(file).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot create the folder ") + folder;
    QFile probe(file);
    if (!probe.open(QIODevice::Append))
        return probe.errorString();
    return QStringLiteral("the settings store reported an error");
}

QString UserName(uint uid)
{
    const passwd* pw = getpwuid(uid);
    return pw ? QString::fromLocal8Bit(pw->pw_name) : QString::number(uid);
}

// Typing on a terminal: prompts on stderr, and the password is not shown.
class TerminalInput {
public:
    TerminalInput()
        : m_tty(isatty(STDIN_FILENO) == 1)
    {
    }
    ~TerminalInput() { echo(true); }
    void prompt(const char* text, bool hidden)
    {
        if (!m_tty)
            return;
        std::fputs(text, stderr);
        std::fflush(stderr);
        echo(!hidden);
    }
    void done()
    {
        if (m_tty && m_hidden)
            std::fputs("\n", stderr);
        echo(true);
    }
    bool tty() const { return m_tty; }

private:
    void echo(bool on)
    {
        if (!m_tty || on == !m_hidden)
            return;
        termios t{};
        if (tcgetattr(STDIN_FILENO, &t) != 0)
            return;
        if (on)
            t.c_lflag |= ECHO;
        else
            t.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSANOW, &t);
        m_hidden = !on;
    }
    bool m_tty;
    bool m_hidden = false;
};

}  // namespace

int StoreLogin(const QString& id, const QString& password, bool autoLogin, QTextStream& out, QTextStream& err)
{
    if (id.trimmed().isEmpty()) {
        err << "not stored: the ID is blank (the ID on the first line, the password on the second)\n";
        return kRefused;
    }
    if (password.trimmed().isEmpty()) {
        err << "not stored: the password is blank (the ID on the first line, the password on the second)\n";
        return kRefused;
    }
    const QString separator = gs().loginFieldSeparator;
    if (id.contains(separator) || password.contains(separator)) {
        // The store joins its fields with it: such a value would not read back.
        err << "not stored: the ID or the password holds \"" << separator << "\", which the store cannot keep\n";
        return kRefused;
    }
    const QString file = StoredLoginFile();
    if (!WriteStoredLogin(BuildStoredLogin(true, autoLogin, id, password, separator))) {
        err << "not stored: cannot write " << file << ": " << WhyNotWritable(file) << "\n";
        return kNotWritten;
    }
    out << "stored the login of ID " << id << (autoLogin ? " with" : " without") << " automatic login in " << file
        << "\n";
    return kProvisioned;
}

int ForgetLogin(QTextStream& out, QTextStream& err)
{
    const QString file = StoredLoginFile();
    if (ReadStoredLogin().isEmpty()) {
        out << "no stored login in " << file << "\n";
        return kProvisioned;
    }
    QSettings store(file, QSettings::IniFormat);
    store.remove(QStringLiteral("Login/A"));
    store.sync();
    if (store.status() != QSettings::NoError || !ReadStoredLogin().isEmpty()) {
        err << "not removed: cannot write " << file << ": " << WhyNotWritable(file) << "\n";
        return kNotWritten;
    }
    out << "forgot the stored login in " << file << "\n";
    return kProvisioned;
}

int RunProvisioning(const ProvisioningCommand& command)
{
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (command.autoLogin && !command.store) {
        err << "--auto-login goes with --store-login\n";
        return kRefused;
    }
    if (command.store == command.forget) {
        err << "give one of --store-login and --forget-login\n";
        return kRefused;
    }
    const bool logged = !command.programFolder.isEmpty();
    if (logged) {
        // The kiosk reads the store of the user that owns its folder: one stored by anyone else
        // would never be read, and would leave the password in that user's home.
        const QFileInfo folder(command.programFolder);
        if (!folder.isDir()) {
            err << "no such program folder: " << command.programFolder << "\n";
            return kRefused;
        }
        if (folder.ownerId() != geteuid()) {
            err << "the program folder " << folder.absoluteFilePath() << " belongs to " << UserName(folder.ownerId())
                << ", not to " << UserName(geteuid()) << ", whose store this would be; run it as that user: runuser -u "
                << UserName(folder.ownerId()) << " -- Sumbrel ...\n";
            return kRefused;
        }
        SetProgramFolder(folder.absoluteFilePath());
    }
    int code = kRefused;
    QString id;
    if (command.store) {
        QFile in;
        in.open(stdin, QIODevice::ReadOnly);
        TerminalInput terminal;
        terminal.prompt("ID: ", false);
        id = ReadLine(in);
        terminal.prompt("Password: ", true);
        const QString password = ReadLine(in);
        terminal.done();
        code = StoreLogin(id, password, command.autoLogin, out, err);
    } else {
        code = ForgetLogin(out, err);
    }
    if (logged && code == kProvisioned)
        WriteLog(command.store ? QStringLiteral("로그인 정보를 셸에서 저장함: ID ") + id
                         + (command.autoLogin ? QStringLiteral(", 자동 로그인") : QString())
                               : QStringLiteral("저장된 로그인 정보를 셸에서 지움"));
    return code;
}

ProvisioningOptions::ProvisioningOptions(QCommandLineParser& parser)
    : m_store(QStringLiteral("store-login"),
              QStringLiteral("Stores the login for the next starts: reads the ID, then the password, one line each "
                             "from standard input, and exits."))
    , m_autoLogin(QStringLiteral("auto-login"),
                  QStringLiteral("With --store-login: the next starts log in by themselves."))
    , m_forget(QStringLiteral("forget-login"), QStringLiteral("Removes the stored login and exits."))
{
    parser.addOption(m_store);
    parser.addOption(m_autoLogin);
    parser.addOption(m_forget);
}

bool ProvisioningOptions::requested(const QCommandLineParser& parser) const
{
    return parser.isSet(m_store) || parser.isSet(m_forget) || parser.isSet(m_autoLogin);
}

ProvisioningCommand ProvisioningOptions::command(const QCommandLineParser& parser, const QString& programFolder) const
{
    return {parser.isSet(m_store), parser.isSet(m_forget), parser.isSet(m_autoLogin), programFolder};
}

bool ProvisioningRequested(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView a(argv[i]);
        if (a == "--store-login" || a == "--forget-login" || a == "--auto-login")
            return true;
    }
    return false;
}

}  // namespace sumbrel
