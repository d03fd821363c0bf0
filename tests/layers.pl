#!/usr/bin/perl
# Fails when an include under src/ runs upward: each folder may include only
# itself and the folders listed for it. src/work/ also includes no Qt Widgets
# header (any header found in the QtWidgets folder given as the second argument).
use strict; use warnings;
my ($src, $widgets) = @ARGV;
-d "$src/work" && defined $widgets && -d $widgets or die "usage: layers.pl SRC QTWIDGETS-INCLUDE-DIR\n";
my %may = (screens => [qw(screens work app data report exchange analysis)],
           work => [qw(work app data exchange analysis)],
           app => [qw(app data report exchange)],
           report => ['report'], exchange => ['exchange'],
           analysis => [qw(analysis exchange)], data => ['data']);
my $faults = 0;
for my $folder (sort keys %may) {
    my %allowed = map { $_ => 1 } @{$may{$folder}};
    for my $file (glob("$src/$folder/*.h $src/$folder/*.cpp $src/$folder/*.in")) {
        open(my $in, '<', $file) or die "$file: $!";
        while (<$in>) {
            my $where = "$file:$.";
            if (/^\s*#\s*include\s+"(?:(\w+)\/)?[^"]+"/) {
                my $to = $1 // $folder;
                $allowed{$to} or ++$faults and print "$where: $folder/ includes $to/\n";
            } elsif ($folder eq 'work' && /^\s*#\s*include\s+<(?:QtWidgets\/)?(\w+)>/
                     && (-e "$widgets/$1" || /QtWidgets/)) {
                ++$faults and print "$where: work/ includes the widget header <$1>\n";
            }
        }
    }
}
exit($faults ? 1 : 0);
