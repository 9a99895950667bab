// quillex-cli: the searches of Quillex for scripts. Output is UTF-8, messages are in French.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iostream>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "cli/Arguments.h"
#include "cli/Command.h"
#include "cli/DescriptorOutput.h"
#include "cli/EchoSafe.h"
#include "core/Version.h"
#include "core/errors/InternalFailure.h"
#include "core/text/Text.h"

namespace {

using namespace quillex::cli;

// Columns a UTF-8 text takes in a terminal: one per character.
size_t Columns(std::string_view utf8) {
    size_t columns = 0;
    for (const char byte : utf8) columns += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return columns;
}

void PrintHelp(std::ostream& out) {
    out << "Utilisation : quillex-cli COMMANDE [ARGUMENTS]\n"
           "              quillex-cli --help | --version\n\n"
           "Les recherches de Quillex dans ses dictionnaires français, pour les scripts.\n\n"
           "Commandes :\n";
    for (const auto& command : Commands()) {
        size_t width = Columns(command.name);
        out << "  " << command.name;
        if (!command.synopsis.empty()) {
            out << ' ' << command.synopsis;
            width += 1 + Columns(command.synopsis);
        }
        out << std::string(width < 26 ? 26 - width : 1, ' ') << command.summary << '\n';
    }
    out << "\nUn argument qui commence par « - » est une option ; après « -- », aucun ne l'est.\n"
           "\nCode de sortie : 0 succès, 1 refus ou aucun résultat (le message est sur la sortie\n"
           "d'erreur), 2 erreur d'utilisation, 3 sortie impossible à écrire (disque plein, tube\n"
           "fermé...), 4 mémoire insuffisante.\n";
}

// A usage error of quillex-cli itself, before any command.
int Usage(std::ostream& err, const std::string& message) {
    err << "quillex-cli : " << message << " (voir quillex-cli --help)\n";
    return UsageError;
}

int Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    const bool optionsEnded = !args.empty() && args[0] == "--";
    if (optionsEnded) {
        args = args.subspan(1);
    } else if (!args.empty() &&
               (args[0] == "--help" || args[0] == "-h" || args[0] == "--version")) {
        if (args.size() > 1) return Usage(err, std::string(args[0]) + " ne prend pas d'argument");
        if (args[0] == "--version")
            out << "quillex-cli " << quillex::ProgramVersion << '\n';
        else
            PrintHelp(out);
        return Success;
    } else if (!args.empty() && IsOption(args[0])) {
        return Usage(err, "option inconnue « " + EchoSafe(quillex::FromUtf8(args[0])) + " »");
    }
    if (args.empty()) return Usage(err, "commande manquante");
    for (const auto& command : Commands()) {
        if (command.name != args[0]) continue;
        try {
            return command.run(args.subspan(1), out, err);
        } catch (const UsageFailure& failure) {
            err << "quillex-cli " << command.name << " : " << failure.message << '\n';
            return UsageError;
        } catch (const quillex::InternalFailure& failure) {
            err << "quillex-cli : " << quillex::ToUtf8(failure.description()) << " ("
                << failure.code() << ")\n";
            return Refused;
        }
    }
    return Usage(err, "commande inconnue « " + EchoSafe(quillex::FromUtf8(args[0])) + " »");
}

// Why a write to the standard output failed, in the user's words.
std::string OutputFailureCause(int error) {
    switch (error) {
        case ENOSPC:
            return "disque plein";
        case EDQUOT:
            return "quota du disque atteint";
        case EFBIG:
            return "taille de fichier maximale atteinte";
        case EPIPE:
            return "le programme qui lisait la sortie l'a fermée";
        case EBADF:
            return "sortie standard fermée";
        case EIO:
            return "erreur d'entrée-sortie";
        case 0:
            return "erreur inconnue";
        default:
            return "erreur système " + std::to_string(error);
    }
}

}  // namespace

int main(int argc, char** argv) {
    // Results can run to thousands of lines: one buffer, written in large blocks, whose failures
    // are known with their cause.
    DescriptorOutput output(STDOUT_FILENO);
    std::ostream out(&output);
    int status = Success;
    try {
        const std::vector<std::string_view> args(argv + 1, argv + argc);
        status = Run(args, out, std::cerr);
        out.flush();
    } catch (const std::bad_alloc&) {
        // A constant written as it stands: nothing on this path may need memory.
        std::fputs("quillex-cli : mémoire insuffisante.\n", stderr);
        return OutOfMemory;
    }
    if (output.error() != 0 || !out) {
        std::cerr << "quillex-cli : la sortie n'a pas pu être écrite ("
                  << OutputFailureCause(output.error()) << ").\n";
        return OutputFailed;
    }
    return status;
}
