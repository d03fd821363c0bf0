#!/usr/bin/perl
# Fails when a link or a picture in README.md or docs/*.md leads nowhere: a
# relative path that does not exist, or an #anchor (in the same file or in
# another Markdown file) that no heading of that file gives, tables of
# contents included. Anchors are made from headings as GitHub makes them.
# Prints each broken link as FILE:LINE. Usage: doclinks.pl REPOSITORY-ROOT
use strict; use warnings;
use File::Basename qw(dirname);
use File::Spec;

my $root = shift // die "usage: doclinks.pl REPOSITORY-ROOT\n";
-f "$root/README.md" or die "doclinks.pl: no README.md in $root\n";
binmode(STDOUT, ':encoding(UTF-8)');

my @files = ('README.md', map { File::Spec->abs2rel($_, $root) } sort glob("$root/docs/*.md"));
my %anchors;    # path => { anchor => 1 }
my $faults = 0;

sub read_lines {
    my ($path) = @_;
    open(my $in, '<:encoding(UTF-8)', $path) or die "$path: $!";
    my @lines = <$in>;
    chomp @lines;
    # Fenced code blocks hold neither headings nor links.
    my $fence;
    for my $line (@lines) {
        if (defined $fence) {
            $fence = undef if $line =~ /^ {0,3}(\Q$fence\E+)\s*$/;
            $line = '';
        } elsif ($line =~ /^ {0,3}(`{3,}|~{3,})/) {
            $fence = $1;
            $line = '';
        }
    }
    return @lines;
}

# The anchor GitHub gives a heading: its text, lower case, without punctuation,
# blanks as hyphens; a repeated one gets -1, -2...
sub anchors_of {
    my ($path) = @_;
    return $anchors{$path} if $anchors{$path};
    my (%have, %seen);
    for (read_lines($path)) {
        next unless /^ {0,3}#{1,6}(?:[ \t]+(.*?))?(?:[ \t]+#+)?[ \t]*$/;
        my $text = $1 // '';
        $text =~ s/!\[([^\]]*)\]\([^)]*\)//g;
        $text =~ s/\[([^\]]*)\]\([^)]*\)/$1/g;
        $text =~ s/<[^>]*>//g;
        $text =~ s/[`*]//g;
        $text =~ s/(?<!\w)_+|_+(?!\w)//g;
        my $slug = lc $text;
        $slug =~ s/[^\p{L}\p{M}\p{N}\p{Pc} \-]//g;
        $slug =~ s/ /-/g;
        my $unique = $slug;
        $unique = "$slug-" . $seen{$slug} if $seen{$slug};
        $seen{$slug}++;
        $have{$unique} = 1;
    }
    return $anchors{$path} = \%have;
}

sub broken {
    my ($file, $line, $target, $why) = @_;
    print "$file:$line: $target: $why\n";
    $faults++;
}

sub check {
    my ($file, $line, $target) = @_;
    return if $target =~ /^[a-z][a-z0-9+.\-]*:/i;    # http:, mailto: ...
    $target =~ s/^<(.*)>$/$1/;
    my ($path, $anchor) = $target =~ /^([^#]*)(?:#(.*))?$/;
    $path =~ s/%([0-9A-Fa-f]{2})/chr(hex($1))/ge;
    my $to = $path eq '' ? "$root/$file"
           : $path =~ m{^/} ? "$root$path"
           : File::Spec->catfile(dirname("$root/$file"), $path);
    return broken($file, $line, $target, 'no such file') unless $path eq '' || -e $to;
    return unless defined $anchor;
    return broken($file, $line, $target, 'empty anchor') if $anchor eq '';
    return unless $to =~ /\.md$/i && -f $to;
    anchors_of($to)->{$anchor} or broken($file, $line, $target, 'no heading has this anchor');
}

for my $file (@files) {
    my $text = join("\n", read_lines("$root/$file")) . "\n";
    # Code spans hold no links; blank them, keeping the line breaks.
    $text =~ s/(`+)((?:(?!\n[ \t]*\n).)+?)(?<!`)\1(?!`)/my $s = "$1$2$1"; $s =~ s|[^\n]| |g; $s/gse;
    my $lineof = sub { 1 + (substr($text, 0, $_[0]) =~ tr/\n//) };
    # Inline links and pictures, one level of brackets inside the text (a
    # picture inside a link); the text may run over lines, not paragraphs.
    my $label = qr/\[((?:[^\[\]\n]|\n(?![ \t]*\n)|\[[^\[\]]*\])*)\]/;
    my @todo = ([$text, 0]);
    while (my $job = shift @todo) {
        my ($chunk, $offset) = @$job;
        while ($chunk =~ /!?$label\(\s*(<[^>\n]*>|[^\s()]*(?:\([^\s()]*\)[^\s()]*)*)(?:\s+(?:"[^"]*"|'[^']*'))?\s*\)/g) {
            my ($inner, $target, $start, $within) = ($1, $2, $-[0], $-[1]);
            push @todo, [$inner, $offset + $within] if $inner =~ /\]\(/;
            check($file, $lineof->($offset + $start), $target);
        }
    }
    # Reference links: each definition's target, and each use's definition.
    my %defined;
    while ($text =~ /^ {0,3}\[([^\]]+)\]:[ \t]*(\S+)/mg) {
        $defined{lc $1} = 1;
        check($file, $lineof->($-[0]), $2);
    }
    while ($text =~ /$label\[([^\]\n]*)\]/g) {
        my $id = lc($2 eq '' ? $1 : $2);
        $defined{$id} or broken($file, $lineof->($-[0]), "[$id]", 'no such reference');
    }
}
exit($faults ? 1 : 0);
