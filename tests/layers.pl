#!/usr/bin/perl
# Fails when an include under src/ runs upward: each folder may include only
# itself and the folders listed for it. An include without a folder must name
# a file of the including folder: one that resolves to another folder through
# an include path would pass the rule unseen. The core's folders (every one
# but desktop, report and screens) also include no Qt Widgets header (any
# header found in the QtWidgets folder given as the second argument).
use strict; use warnings;
my ($src, $widgets) = @ARGV;
-d "$src/work" && defined $widgets && -d $widgets or die "usage: layers.pl SRC QTWIDGETS-INCLUDE-DIR\n";
my %may = (screens => [qw(screens work app rules report exchange analysis desktop)],
           desktop => [qw(desktop app report)],
           work => [qw(work app rules data exchange analysis)],
           app => [qw(app data)],
           rules => ['rules'],
           report => ['report'], exchange => ['exchange'],
           analysis => [qw(analysis exchange)], data => ['data']);
my %gui = map { $_ => 1 } qw(desktop report screens);
my $faults = 0;
for my $folder (sort keys %may) {
    my %allowed = map { $_ => 1 } @{$may{$folder}};
    for my $file (glob("$src/$folder/*.h $src/$folder/*.cpp $src/$folder/*.in")) {
        open(my $in, '<', $file) or die "$file: $!";
        while (<$in>) {
            my $where = "$file:$.";
            if (/^\s*#\s*include\s+"(?:(\w+)\/)?([^"]+)"/) {
                my $to = $1 // $folder;
                $allowed{$to} or ++$faults and print "$where: $folder/ includes $to/\n";
                defined $1 or -e "$src/$folder/$2" or $2 =~ /^\w+\.moc$/
                    or ++$faults and print "$where: \"$2\" is not in $folder/; name its folder\n";
            } elsif (!$gui{$folder} && /^\s*#\s*include\s+<(?:QtWidgets\/)?(\w+)>/
                     && (-e "$widgets/$1" || /QtWidgets/)) {
                ++$faults and print "$where: $folder/ includes the widget header <$1>\n";
            }
        }
    }
}
exit($faults ? 1 : 0);
