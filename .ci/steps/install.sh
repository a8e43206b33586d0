# the README's install command, with the prefix it names replaced by a temporary folder
install_command=$(readme_command --install)
prefix="$work/installed"
bash -c "${install_command/\~\/.local/$prefix}" >/dev/null
expect_link_mode "$prefix/bin" "fully static"
expect_outputs "$prefix/bin"
