# a shell start-up file that a joined map must never replace
alias ll="ls -l"
