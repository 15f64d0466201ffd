#!/bin/sh
# Converts the dictionary's UTF-8 source, dic.utf8.txt, into the shipped GBK file dic. Pairs are two
# consecutive lines (report term, then its Chinese form); blank lines between pairs only aid reading.
set -e
cd "$(dirname "$0")"
iconv -f UTF-8 -t GBK dic.utf8.txt > dic.new
mv dic.new dic
