#!/usr/bin/env python3
"""Lays out an installation folder from a distribution folder by carrying
out its install.inf, for as long as install.exe cannot run unattended:

    install_directly.py DIST TARGET --reverse 'COMMAND {from} {to}'

The script's copying commands are done as the installer does them (mkdir,
copy with LZ expansion by msexpand, xcopy, sndcopy); for mkwlist every
entry of language.cf gets its TO list from COMMAND, run in TARGET with the
two list paths (language\\FROM, language\\TO), and the settings file is
written as a new installation leaves it; language.cf is then deleted.
What only the installer can do is left out: the win.ini value (avidelay),
the Start-menu shortcut and the closing text.
"""
import argparse
import fnmatch
import os
import shlex
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True   # no __pycache__ among the sources
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import layout  # noqa: E402

LZ_MAGIC = b'SZDD\x88\xf0\x27\x33'


def local(name):
    return name.replace('\\', os.sep)


def lz_copy(source, target):
    with open(source, 'rb') as f:
        compressed = f.read(len(LZ_MAGIC)) == LZ_MAGIC
    if not compressed:
        shutil.copyfile(source, target)
        return
    with open(source, 'rb') as inp, open(target, 'wb') as out:
        subprocess.run(['msexpand'], stdin=inp, stdout=out, check=True)


def script_lines(path):
    with open(path, encoding='cp1252') as f:
        for line in f:
            line = line.rstrip('\r\n')
            if line and not line.startswith('#'):
                yield line


def install(dist, target, reverse_command):
    build_lists = False
    os.makedirs(target, exist_ok=True)
    for line in script_lines(os.path.join(dist, 'install.inf')):
        words = line.split()
        command = words[0].lower()
        try:
            if command == 'mkdir':
                os.makedirs(os.path.join(target, local(line.split(' ', 1)[1])), exist_ok=True)
            elif command == 'copy':
                lz_copy(os.path.join(dist, local(words[1])), os.path.join(target, local(words[2])))
            elif command == 'xcopy':
                for name in sorted(os.listdir(dist)):
                    path = os.path.join(dist, name)
                    if os.path.isfile(path) and fnmatch.fnmatch(name.lower(), words[1].lower()):
                        shutil.copyfile(path, os.path.join(target, local(words[2]), name))
            elif command == 'sndcopy':
                folder = os.path.join(dist, local(words[1]))
                for name in sorted(os.listdir(folder)):
                    if os.path.isfile(os.path.join(folder, name)):
                        shutil.copyfile(os.path.join(folder, name),
                                        os.path.join(target, local(words[2]), name))
            elif command == 'mkwlist':
                build_lists = True
        except (OSError, IndexError) as e:   # the installer goes on after a failed copy
            print('install_directly: %s: %s' % (line, e), file=sys.stderr)
    if not build_lists:
        return
    language_cf = os.path.join(target, 'language.cf')
    entries = layout.read_language_cf(language_cf)
    for item, from_list, to_list in entries:
        command = [a.format(**{'from': 'language\\' + from_list, 'to': 'language\\' + to_list})
                   for a in shlex.split(reverse_command)]
        subprocess.run(command, cwd=target, check=True, stdout=subprocess.DEVNULL)
    layout.write_lines(os.path.join(target, layout.SETTINGS_FILE),
                       layout.settings_file([e[0] for e in entries], entries[0][1]))
    os.remove(language_cf)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('dist')
    parser.add_argument('target')
    parser.add_argument('--reverse', required=True,
                        help='command building a TO list: {from} and {to} are replaced')
    args = parser.parse_args(argv)
    install(args.dist, args.target, args.reverse)
    return 0


if __name__ == '__main__':
    sys.exit(main())
