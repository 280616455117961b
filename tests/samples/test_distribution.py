"""Checks the sample distribution's generated files (tools/samples/layout.py,
make_icons.py) on small word tables written here."""
import os
import shutil
import struct
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
TOOLS = os.environ.get('NORVA_SAMPLES_TOOLS') or os.path.join(HERE, '..', '..', 'tools', 'samples')
sys.dont_write_bytecode = True   # no __pycache__ among the sources
sys.path.insert(0, TOOLS)
import layout  # noqa: E402
import make_icons  # noqa: E402

PASS1 = ['title', 'dir', 'wbarg', 'debug']
PASS2 = ['mkdir', 'iconname', 'avidelay', 'icongroup', 'iconexe', 'display', 'mkwlist', 'copy',
         'xcopy', 'sndcopy']


def make_dist(folder, work):
    """A distribution folder as build-samples.sh lays it out, with one-word
    lists in place of the imported ones."""
    os.makedirs(os.path.join(work), exist_ok=True)
    for p in layout.PAIRS:
        with open(os.path.join(work, p.name + '.tsv'), 'w', encoding='utf-8') as f:
            f.write('%s\tone\n' % p.words[0])
        for sub, name in (('language', p.from_list), (os.path.join('list', 'Starter'), p.list_file)):
            os.makedirs(os.path.join(folder, sub), exist_ok=True)
            with open(os.path.join(folder, sub, name), 'wb') as f:
                f.write(p.name.encode() * 10)
        os.makedirs(os.path.join(folder, 'sound', p.name), exist_ok=True)
        with open(os.path.join(folder, 'sound', p.name, 'w.wav'), 'wb') as f:
            f.write(b'RIFF')
        with open(os.path.join(folder, p.package + '.copyright'), 'w') as f:
            f.write('licence\n')
    make_icons.main([folder] + [p.name for p in layout.PAIRS] + ['English'])
    for name in ('logo.bmp', 'dict.avi', 'norva.ex_'):
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(name.encode() * 40)
    layout.write_texts(folder, work)


def script(folder):
    with open(os.path.join(folder, 'install.inf'), 'rb') as f:
        raw = f.read()
    return raw, [l for l in raw.decode('cp1252').split('\r\n') if l and not l.startswith('#')]


class DistributionTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix='norva-dist-')
        self.dist = os.path.join(self.folder, 'dist')
        self.work = os.path.join(self.folder, 'work')
        make_dist(self.dist, self.work)

    def tearDown(self):
        shutil.rmtree(self.folder, ignore_errors=True)

    def test_install_script_uses_every_command_and_each_line_matches_its_own(self):
        raw, lines = script(self.dist)
        self.assertNotIn(b'\n', raw.replace(b'\r\n', b''))
        used = set()
        for line in lines:
            self.assertLessEqual(len(line), 99, line)
            # The installer takes the first keyword of its pass that the line
            # begins with: that must be the line's own word.
            word = line.split()[0].lower()
            if word != 'mkwlist':
                self.assertIn(' ', line.strip(), line)   # every other command has a value
            for keywords in (PASS1, PASS2):
                first = next((k for k in keywords if line.lower().startswith(k)), None)
                if first is not None:
                    self.assertEqual(first, word, line)
            used.add(word)
        self.assertEqual(used, set(PASS1) | set(PASS2))

    def test_every_file_the_script_copies_is_in_the_distribution(self):
        _, lines = script(self.dist)
        for line in lines:
            words = line.split()
            if words[0] == 'copy':
                self.assertTrue(os.path.isfile(os.path.join(self.dist, words[1].replace('\\', os.sep))),
                                line)
            if words[0] == 'sndcopy':
                self.assertTrue(os.listdir(os.path.join(self.dist, words[1].replace('\\', os.sep))))
        # The compressed program, a file larger than 16 bytes, is expanded by copy.
        self.assertIn('copy norva.ex_ norva.exe', lines)
        # Every target folder is made before its first copy.
        made = set()
        for line in lines:
            words = line.split()
            if words[0] == 'mkdir':
                made.add(words[1].lower())
            elif words[0] == 'copy':
                folder = words[2].rsplit('\\', 1)[0].lower() if '\\' in words[2] else ''
                self.assertTrue(folder == '' or folder in made, line)
            elif words[0] in ('xcopy', 'sndcopy'):
                self.assertIn(words[2].lower(), made, line)

    def test_language_list_entries_name_the_pairs_long_files(self):
        entries = layout.read_language_cf(os.path.join(self.dist, 'language.cf'))
        self.assertEqual(len(entries), len(layout.PAIRS))
        self.assertGreaterEqual(len(entries), 6)
        for (item, from_list, to_list), pair in zip(entries, layout.PAIRS):
            name, locale, charset, long_name = item.split(',')
            self.assertGreaterEqual(len(name), 3)
            self.assertLessEqual(len(locale), 19)
            self.assertEqual(long_name, pair.name)
            self.assertEqual(from_list, long_name + '_English.wb')
            self.assertEqual(to_list, 'English_' + long_name + '.wb')
            self.assertTrue(os.path.isfile(os.path.join(self.dist, 'language', from_list)))
            self.assertTrue(os.path.isfile(os.path.join(self.dist, long_name + '.ico')))
            self.assertTrue(os.path.isfile(os.path.join(self.dist, long_name + '.chs')))
        charsets = {e[0].split(',')[0]: e[0].split(',')[2] for e in entries}
        self.assertEqual(charsets['Esperanto'], '500')
        self.assertEqual(charsets['Russian'], '204')
        with open(os.path.join(self.dist, 'language.ini'), 'rb') as f:
            self.assertEqual(f.read(), b'[Dictionary]\r\nLanguage=english\r\n')

    def test_charset_files_are_in_the_languages_code_page(self):
        with open(os.path.join(self.dist, 'Russian.chs'), 'rb') as f:
            self.assertEqual(f.read().split(b'\r\n')[0][:3], '\u0430\u0431\u0432'.encode('cp1251'))
        with open(os.path.join(self.dist, 'Esperanto.chs'), 'rb') as f:
            self.assertEqual(f.read()[:1], '\u0109'.encode('iso8859_3'))

    def test_starter_list_takes_the_sample_words_found(self):
        with open(os.path.join(self.work, 'starter', 'French.tsv'), encoding='utf-8') as f:
            self.assertEqual(f.read(), 'maison\tone\n')

    def test_settings_file_as_a_new_installation_leaves_it(self):
        lines = layout.settings_file(['B,b,0,Bb', 'A,a,0,Aa'], 'Bb_English.wb')
        self.assertEqual(lines, ['# --- dict.ini ' + '-' * 50, '', '[AddNew]', 'on', '',
                                 '[selected]', 'Bb_English.wb', '', '[language]', 'A,a,0,Aa',
                                 'B,b,0,Bb', '', '# --- EOF ' + '-' * 56])
        one = layout.settings_file(['B,b,0,Bb'], 'Bb_English.wb')
        self.assertEqual(one[8:], ['[language]', 'B,b,0,Bb', '', '', '# --- EOF ' + '-' * 56])


class SortTableTest(unittest.TestCase):
    def key(self, word):
        table = layout.esperanto_sort_table()
        return [table[b] for b in word.encode('iso8859_3')]

    def test_esperanto_order_and_case(self):
        table = layout.esperanto_sort_table()
        self.assertEqual(len(table), 256)
        self.assertEqual(table[0], 0)
        self.assertNotIn(0, table[1:])
        words = ['zebro', '\u0109apelo', 'cxo', 'dento', '\u015dafo', 'Sigelo', 'tago',
                 '\u016dato', 'vorto', 'Ulo', '\u0108EFO']
        self.assertEqual(sorted(words, key=self.key),
                         ['cxo', '\u0109apelo', '\u0108EFO', 'dento', 'Sigelo', '\u015dafo',
                          'tago', 'Ulo', '\u016dato', 'vorto', 'zebro'])
        self.assertEqual(self.key('KATO'), self.key('kato'))
        self.assertEqual(self.key('\u011cI'), self.key('\u011di'))


class IconTest(unittest.TestCase):
    def test_icon_holds_a_large_and_a_small_16_colour_image_with_white_letters(self):
        data = make_icons.icon('French')
        reserved, kind, count = struct.unpack_from('<HHH', data, 0)
        self.assertEqual((reserved, kind, count), (0, 1, 2))
        sizes = []
        for i in range(count):
            w, h, colours, _, planes, bits, size, offset = struct.unpack_from('<BBBBHHII', data, 6 + 16 * i)
            sizes.append((w, h))
            self.assertEqual((colours, planes, bits), (16, 1, 4))
            self.assertLessEqual(offset + size, len(data))
        self.assertEqual(sizes, [(32, 32), (16, 16)])
        indices, opaque = make_icons.badge(16, 'FRE', 4)
        white = sum(row.count(15) for row in indices)
        # F, R and E in the 3 x 5 font: 8 + 10 + 10 pixels.
        self.assertEqual(white, 28)
        self.assertFalse(opaque[0][0])
        self.assertTrue(opaque[8][8])
        with self.assertRaises(ValueError):
            make_icons.badge(16, 'F1', 4)


if __name__ == '__main__':
    unittest.main()
