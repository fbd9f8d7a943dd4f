# Bash completion for ziradadozo-rezudor-dxf: its options, the values of
# --zone, --gnomon-length and --minutes, and file names after -o and --svg.
_ziradadozo_rezudor_dxf() {
  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
  local options="--lat= --lat-deg= --lat-min= --lat-sec= --long= --long-deg= --long-min=
    --long-sec= --locale-numbers --zone= --dst -o --svg= --pdf= --paper= --gnomon-length= -v --verbose
    -h --help --version --minutes= --style-thickness= --eot-table --eot-csv"
  local zones="LAT none -12 -11 -10 -9 -8 -7 -6 -5 -4 -3 -2 -1 0 1 2 3 4 5 6 7 8 9 10 11 12 13"

  # Bash splits "--zone=-5" into "--zone", "=" and "-5".
  if [[ $cur == = ]]; then
    cur=""
  elif [[ $prev == = ]]; then
    prev=${COMP_WORDS[COMP_CWORD-2]}
  elif [[ $cur == --*=* ]]; then
    prev=${cur%%=*}
    cur=${cur#*=}
  fi

  COMPREPLY=()
  case $prev in
    -o | --svg | --pdf)
      compopt -o filenames
      COMPREPLY=($(compgen -f -- "$cur"))
      ;;
    --zone)
      COMPREPLY=($(compgen -W "$zones" -- "$cur"))
      ;;
    --gnomon-length)
      COMPREPLY=($(compgen -W "100mm 150mm 10cm 4in" -- "$cur"))
      ;;
    --paper)
      COMPREPLY=($(compgen -W "a4 letter a3" -- "$cur"))
      ;;
    --minutes)
      COMPREPLY=($(compgen -W "30 20 15 10 5" -- "$cur"))
      ;;
    --lat | --lat-* | --long | --long-*) ;;
    *)
      if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        [[ ${#COMPREPLY[@]} == 1 && ${COMPREPLY[0]} == *= ]] && compopt -o nospace
      fi
      ;;
  esac
}
complete -F _ziradadozo_rezudor_dxf ziradadozo-rezudor-dxf
