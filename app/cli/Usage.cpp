#include "Usage.h"

#ifndef QMX_VERSION
#error "QMX_VERSION is set by the build from the project version"
#endif

std::string UsageText() {
    return R"(Usage: qmx encrypt [--password-file F] [--force] [-o OUT] FILE...
       qmx decrypt [--password-file F] [--force] [-o OUT] FILE...
       qmx verify FILE...
       qmx encrypt-message [--password-file F] [--viewer]
       qmx decrypt-message [--password-file F]

Encrypts files into ".qmx" containers and decrypts them, and seals and opens
armoured text messages, as Quiralis Reader does.

  encrypt          writes FILE.qmx for each FILE
  decrypt          writes each FILE without its ".qmx" extension
  verify           checks that each container is intact (needs no password)
  encrypt-message  reads a UTF-8 text on standard input and writes its
                   armoured message on standard output
  decrypt-message  reads a text on standard input and writes the plain text
                   of its first armoured message on standard output

  --password-file F  take the password from the first line of F (UTF-8);
                     without it the password is asked on the terminal
  --force            replace an output that exists already
  -o OUT             the output's name, for a single FILE
  --viewer           oblige the recipient to read the message in the viewer
  --help             show this text
  --version          show the version

Exit status: 0 when everything succeeded; otherwise the result code of the
first failure (12 wrong password, 20 cancelled, 25 corrupt data, 61 output
not created, ...), 64 for a usage error, 77 for a message to be read in the
viewer.
)";
}

std::string VersionText() {
    return "qmx (Quiralis Reader) " QMX_VERSION "\n";
}

std::string UsageHint() {
    return "Try 'qmx --help' for more information.";
}
