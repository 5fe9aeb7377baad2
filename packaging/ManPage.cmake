# Writes the manual page of korva from its --help text.
#   cmake -DHELP=<help text file> -DVERSION=<version> -DOUTPUT=<korva.1> -P ManPage.cmake
file(READ "${HELP}" help)
# Troff: a backslash is written \e; a line that starts with a dot or an apostrophe is escaped.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
file(WRITE "${OUTPUT}" ".TH KORVA 1 \"\" \"Korva ${VERSION}\" \"User Commands\"
.SH NAME
korva \\- analyse drilled-shaft projects from the command line
.SH SYNOPSIS
.B korva run
[\\fB\\-\\-json\\fR] [\\fB\\-j\\fR \\fIN\\fR] \\fIPROJECT.kv8d\\fR ...
.br
.B korva validate
[\\fILEDGER\\fR]
.br
.B korva \\-\\-help
.SH DESCRIPTION
.nf
${help}.fi
.SH FILES
.TP
.I /usr/share/korva/examples
example projects; copy one to a folder of your own and run it there
.TP
.I /usr/share/korva/validation
the validation ledger of published worked examples
.TP
.I ~/.config/Velmar/KORVA.conf
settings of the desktop program korvawin (text editor, last folder, recent projects)
.SH SEE ALSO
The desktop program
.BR korvawin ,
which edits, runs and plots the same projects.
")
