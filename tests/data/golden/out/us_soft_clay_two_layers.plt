    3    1    0    0                                                            Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.5000000E+02  0.9771600E+11                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.6514400E+09  0.6514400E+08  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1302880E+10  0.6514400E+08  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1954320E+10  0.6514400E+08  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2605760E+10  0.6514400E+08  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3257200E+10  0.6514400E+08  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.3908640E+10  0.6514400E+08  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.4560080E+10  0.6514400E+08  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5211520E+10  0.6514400E+08  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.5862960E+10  0.6514400E+08  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.6514400E+10  0.6514400E+08  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.7165840E+10  0.6514400E+08  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.7817280E+10  0.6514400E+08  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.8468720E+10  0.6514400E+08  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.9120160E+10  0.6514400E+08  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.9771600E+10  0.6514400E+08  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1042304E+11  0.6514400E+08  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1107448E+11  0.6514400E+08  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1172592E+11  0.6514400E+08  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1237736E+11  0.6514400E+08  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1302880E+11  0.6514400E+08  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1368024E+11  0.6514400E+08  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1433168E+11  0.6514400E+08  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1498312E+11  0.6514400E+08  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1563456E+11  0.6514400E+08  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1628600E+11  0.6514400E+08  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1693744E+11  0.6514400E+08  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1758888E+11  0.6514400E+08  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1824032E+11  0.6514400E+08  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1889176E+11  0.6514400E+08  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1954320E+11  0.6514400E+08  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2019464E+11  0.6514400E+08  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2084608E+11  0.6514400E+08  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2149752E+11  0.6514400E+08  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2214896E+11  0.6514400E+08  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2280040E+11  0.6514400E+08  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2345184E+11  0.6514400E+08  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2410328E+11  0.6514400E+08  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2475472E+11  0.6514400E+08  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2540616E+11  0.6514400E+08  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2605760E+11  0.6514400E+08  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2670904E+11  0.6514400E+08  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2736048E+11  0.6514400E+08  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2801192E+11  0.6514400E+08  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2866336E+11  0.6514400E+08  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2931480E+11  0.6514400E+08  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2996624E+11  0.6514400E+08  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3061768E+11  0.6514400E+08  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3126912E+11  0.6514400E+08  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3192056E+11  0.6514400E+08  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3257200E+11  0.6514400E+08  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3322344E+11  0.6514400E+08  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3387488E+11  0.6514400E+08  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3452632E+11  0.6514400E+08  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3517776E+11  0.6514400E+08  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.3582920E+11  0.6514400E+08  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.3648064E+11  0.6514400E+08  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3713208E+11  0.6514400E+08  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3778352E+11  0.6514400E+08  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3843496E+11  0.6514400E+08  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3908640E+11  0.6514400E+08  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3973784E+11  0.6514400E+08  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4038928E+11  0.6514400E+08  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4104072E+11  0.6514400E+08  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4169216E+11  0.6514400E+08  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4234360E+11  0.6514400E+08  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4299504E+11  0.6514400E+08  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4364648E+11  0.6514400E+08  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.4429792E+11  0.6514400E+08  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.4494936E+11  0.6514400E+08  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.4560080E+11  0.6514400E+08  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.4625224E+11  0.6514400E+08  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.4690368E+11  0.6514400E+08  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.4755512E+11  0.6514400E+08  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.4820656E+11  0.6514400E+08  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.4885800E+11  0.6514400E+08  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.4950944E+11  0.6514400E+08  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5016088E+11  0.6514400E+08  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5081232E+11  0.6514400E+08  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5146376E+11  0.6514400E+08  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5211520E+11  0.6514400E+08  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5276664E+11  0.6514400E+08  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.5341808E+11  0.6514400E+08  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.5406952E+11  0.6514400E+08  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.5472096E+11  0.6514400E+08  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.5537240E+11  0.6514400E+08  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.5602384E+11  0.6514400E+08  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.5667528E+11  0.6514400E+08  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.5732672E+11  0.6514400E+08  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.5797816E+11  0.6514400E+08  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.5862960E+11  0.6514400E+08  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.5928104E+11  0.6514400E+08  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.5993248E+11  0.6514400E+08  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6058392E+11  0.6514400E+08  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6123536E+11  0.6514400E+08  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.6188680E+11  0.6514400E+08  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.6253824E+11  0.6514400E+08  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.6318968E+11  0.6514400E+08  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.6384112E+11  0.6514400E+08  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.6449256E+11  0.6514400E+08  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.6514400E+11  0.6514400E+08  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.6579544E+11  0.6514400E+08  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.6644688E+11  0.6514400E+08  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.6709832E+11  0.6514400E+08  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.6774976E+11  0.6514400E+08  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.6840120E+11  0.6514400E+08  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.6905264E+11  0.6514400E+08  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.6970408E+11  0.6514400E+08  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7035552E+11  0.6514400E+08  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.7100696E+11  0.6514400E+08  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.7165840E+11  0.6514400E+08  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.7230984E+11  0.6514400E+08  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.7296128E+11  0.6514400E+08  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.7361272E+11  0.6514400E+08  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.7426416E+11  0.6514400E+08  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.7491560E+11  0.6514400E+08  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.7556704E+11  0.6514400E+08  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.7621848E+11  0.6514400E+08  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.7686992E+11  0.6514400E+08  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.7752136E+11  0.6514400E+08  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.7817280E+11  0.6514400E+08  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.7882424E+11  0.6514400E+08  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.7947568E+11  0.6514400E+08  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.8012712E+11  0.6514400E+08  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.8077856E+11  0.6514400E+08  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.8143000E+11  0.6514400E+08  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.8208144E+11  0.6514400E+08  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.8273288E+11  0.6514400E+08  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.8338432E+11  0.6514400E+08  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.8403576E+11  0.6514400E+08  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.8468720E+11  0.6514400E+08  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.8533864E+11  0.6514400E+08  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.8599008E+11  0.6514400E+08  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.8664152E+11  0.6514400E+08  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.8729296E+11  0.6514400E+08  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.8794440E+11  0.6514400E+08  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.8859584E+11  0.6514400E+08  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.8924728E+11  0.6514400E+08  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.8989872E+11  0.6514400E+08  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.9055016E+11  0.6514400E+08  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.9120160E+11  0.6514400E+08  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.9185304E+11  0.6514400E+08  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.9250448E+11  0.6514400E+08  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.9315592E+11  0.6514400E+08  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.9380736E+11  0.6514400E+08  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.9445880E+11  0.6514400E+08  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.9511024E+11  0.6514400E+08  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.9576168E+11  0.6514400E+08  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.9641312E+11  0.6514400E+08  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.9706456E+11  0.6514400E+08  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.9771600E+11  0.6514400E+08  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    1  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1418247E+00  0.1743933E-06  0.1000000E+05 -0.6134521E+02  0.6514400E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.1324230E+00  0.7088002E+05  0.9537723E+04 -0.6706497E+02  0.6514400E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.1230776E+00  0.1382806E+06  0.9035057E+04 -0.7256444E+02  0.6514400E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.2160000E+02  0.1138423E+00  0.2019139E+06  0.8493691E+04 -0.7781505E+02  0.6514400E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.1047677E+00  0.2615052E+06  0.7915522E+04 -0.8278761E+02  0.6514400E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.9590120E-01  0.3167944E+06  0.7302658E+04 -0.8745232E+02  0.6514400E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.8728677E-01  0.3675375E+06  0.6657426E+04 -0.9177867E+02  0.6514400E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.5040000E+02  0.7896482E-01  0.4135082E+06  0.5982376E+04 -0.9573540E+02  0.6514400E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.7097193E-01  0.4544995E+06  0.5280283E+04 -0.9929043E+02  0.6514400E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.6480000E+02  0.6334072E-01  0.4903255E+06  0.4554158E+04 -0.1024107E+03  0.6514400E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.5609970E-01  0.5208230E+06  0.3807256E+04 -0.1050622E+03  0.6514400E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.7920000E+02  0.4927314E-01  0.5458533E+06  0.3043077E+04 -0.1072095E+03  0.6514400E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.4288095E-01  0.5653042E+06  0.2265386E+04 -0.1088157E+03  0.6514400E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.9360000E+02  0.3693862E-01  0.5790916E+06  0.1478219E+04 -0.1098418E+03  0.6514400E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.3145712E-01  0.5871618E+06  0.6859029E+03 -0.1102462E+03  0.6514400E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.2644286E-01  0.5894934E+06 -0.1069245E+03 -0.1099837E+03  0.6514400E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.2189771E-01  0.5861000E+06 -0.8952806E+03 -0.1090041E+03  0.6514400E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1224000E+03  0.1781897E-01  0.5770326E+06 -0.1673794E+04 -0.1072496E+03  0.6514400E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.1419941E-01  0.5623823E+06 -0.2436634E+04 -0.1046506E+03  0.6514400E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1368000E+03  0.1102738E-01  0.5422846E+06 -0.3177404E+04 -0.1011189E+03  0.6514400E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.8286889E-02  0.5169233E+06 -0.3888953E+04 -0.9653357E+02  0.6514400E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1512000E+03  0.5957753E-02  0.4865372E+06 -0.4563044E+04 -0.9071391E+02  0.6514400E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1584000E+03  0.4015791E-02  0.4514291E+06 -0.5189696E+04 -0.8335618E+02  0.6514400E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1656000E+03  0.2433066E-02  0.4119818E+06 -0.5755684E+04 -0.7386271E+02  0.6514400E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1728000E+03  0.1178185E-02  0.3686891E+06 -0.6240146E+04 -0.6071003E+02  0.6514400E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.2166985E-03  0.3222345E+06 -0.6588839E+04 -0.3614922E+02  0.6514400E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.4883619E-03  0.2738931E+06 -0.6546196E+04  0.4799475E+02  0.6514400E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1944000E+03 -0.9754649E-03  0.2280289E+06 -0.6151040E+04  0.6177060E+02  0.6514400E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.1281108E-02  0.1853578E+06 -0.5680005E+04  0.6907258E+02  0.6514400E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.2088000E+03 -0.1439248E-02  0.1462600E+06 -0.5167418E+04  0.7331265E+02  0.6514400E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1480998E-02  0.1109570E+06 -0.4631437E+04  0.7557091E+02  0.6514400E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.2232000E+03 -0.1434451E-02  0.7956708E+05 -0.4084526E+04  0.7634885E+02  0.6514400E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.1324586E-02  0.5213196E+05 -0.3536339E+04  0.7592523E+02  0.6514400E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.2376000E+03 -0.1173237E-02  0.2863074E+05 -0.2994906E+04  0.7447297E+02  0.6514400E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.9991031E-03  0.8989047E+04 -0.2437729E+04  0.8029826E+02  0.6514400E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.8178163E-03 -0.6490338E+04 -0.1876618E+04  0.7556607E+02  0.6514400E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.6416944E-03 -0.1805212E+05 -0.1352161E+04  0.7011639E+02  0.6514400E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2664000E+03 -0.4799379E-03 -0.2597835E+05 -0.8692407E+03  0.6402812E+02  0.6514400E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2736000E+03 -0.3388544E-03 -0.3058433E+05 -0.4322587E+03  0.5735576E+02  0.6514400E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2808000E+03 -0.2221091E-03 -0.3221577E+05 -0.4534005E+02  0.5012165E+02  0.6514400E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1310004E-03 -0.3124762E+05  0.2873281E+03  0.4228617E+02  0.6514400E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2952000E+03 -0.6475769E-04 -0.2808611E+05  0.5606582E+03  0.3363884E+02  0.6514400E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.3024000E+03 -0.2086525E-04 -0.2317965E+05  0.7653238E+03  0.2321273E+02  0.6514400E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.3096000E+03  0.4581386E-05 -0.1706891E+05  0.8341973E+03 -0.4081189E+01  0.6514400E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.3168000E+03  0.1644500E-04 -0.1116907E+05  0.7415805E+03 -0.2164570E+02  0.6514400E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.3240000E+03  0.1942055E-04 -0.6390895E+04  0.5807964E+03 -0.2301655E+02  0.6514400E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.3312000E+03  0.1731038E-04 -0.2805644E+04  0.4177425E+03 -0.2227623E+02  0.6514400E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.3384000E+03  0.1296754E-04 -0.3750813E+03  0.2643177E+03 -0.2034177E+02  0.6514400E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.3456000E+03  0.8326223E-05  0.1000979E+04  0.1275802E+03 -0.1764086E+02  0.6514400E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.3528000E+03  0.4481461E-05  0.1462498E+04  0.1820858E+02 -0.1274014E+02  0.6514400E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1800519E-05  0.1263509E+04 -0.3386250E+02 -0.1724045E+01  0.6514400E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3672000E+03  0.1250473E-06  0.9750956E+03 -0.4050463E+02 -0.1209917E+00  0.6514400E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3744000E+03 -0.7744676E-06  0.6803711E+03 -0.3821417E+02  0.7572314E+00  0.6514400E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3816000E+03 -0.1132560E-05  0.4248744E+03 -0.3145961E+02  0.1119037E+01  0.6514400E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3888000E+03 -0.1152547E-05  0.2273717E+03 -0.2328806E+02  0.1150838E+01  0.6514400E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3960000E+03 -0.9915982E-06  0.8951937E+02 -0.1554274E+02  0.1000639E+01  0.6514400E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.4032000E+03 -0.7594116E-06  0.3536585E+01 -0.9152250E+01  0.7744976E+00  0.6514400E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.4104000E+03 -0.5244107E-06 -0.4229639E+02 -0.4418102E+01  0.5405436E+00  0.6514400E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.4176000E+03 -0.3230682E-06 -0.6010590E+02 -0.1260466E+01  0.3365775E+00  0.6514400E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.4248000E+03 -0.1695565E-06 -0.6046484E+02  0.5939828E+00  0.1785471E+00  0.6514400E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.4320000E+03 -0.6416124E-07 -0.5156549E+02  0.1482606E+01  0.6829279E-01  0.6514400E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.4392000E+03  0.1994544E-09 -0.3912379E+02  0.1727688E+01 -0.2145981E-03  0.6514400E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.4464000E+03  0.3342639E-07 -0.2669166E+02  0.1596036E+01 -0.3635538E-01  0.6514400E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.4536000E+03  0.4541275E-07 -0.1614314E+02  0.1285405E+01 -0.4993112E-01  0.6514400E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.4608000E+03  0.4455281E-07 -0.8182395E+01  0.9273725E+00 -0.4952224E-01  0.6514400E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.4680000E+03  0.3718151E-07 -0.2788560E+01  0.5986728E+00 -0.4178323E-01  0.6514400E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.4752000E+03  0.2759114E-07  0.4393424E+00  0.3353997E+00 -0.3134821E-01  0.6514400E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4824000E+03  0.1835039E-07  0.2042136E+01  0.1466573E+00 -0.2108023E-01  0.6514400E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4896000E+03  0.1073473E-07  0.2552050E+01  0.2588055E-01 -0.1246886E-01  0.6514400E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4968000E+03  0.5149918E-08  0.2415476E+01 -0.4078267E-01 -0.6048697E-02  0.6514400E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.1487287E-08  0.1965242E+01 -0.6891721E-01 -0.1766453E-02  0.6514400E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.5112000E+03 -0.6114518E-09  0.1423357E+01 -0.7263258E-01  0.7344046E-03  0.6514400E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.5184000E+03 -0.1577518E-08  0.9194861E+00 -0.6309051E-01  0.1916172E-02  0.6514400E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.5256000E+03 -0.1811881E-08  0.5149133E+00 -0.4817920E-01  0.2225859E-02  0.6514400E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.5328000E+03 -0.1636487E-08  0.2257086E+00 -0.3284607E-01  0.2033343E-02  0.6514400E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.1281481E-08  0.4190337E-01 -0.1972822E-01  0.1610505E-02  0.6514400E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.5472000E+03 -0.8931282E-09 -0.5841493E-01 -0.9843056E-02  0.1135373E-02  0.6514400E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.5544000E+03 -0.5512610E-09 -0.9987315E-01 -0.3203701E-02  0.7088921E-03  0.6514400E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.5616000E+03 -0.2888704E-09 -0.1045784E+00  0.7011621E-03  0.3757920E-03  0.6514400E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.5688000E+03 -0.1097008E-09 -0.8979850E-01  0.2573773E-02  0.1443777E-03  0.6514400E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.1990652E-11 -0.6753044E-01  0.3103075E-02  0.2650672E-05  0.6514400E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.5832000E+03  0.5198044E-10 -0.4512229E-01  0.2860503E-02 -0.7003200E-04  0.6514400E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.5904000E+03  0.7004432E-10 -0.2634281E-01  0.2264629E-02 -0.9548848E-04  0.6514400E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.5976000E+03  0.6714524E-10 -0.1251240E-01  0.1587410E-02 -0.9262775E-04  0.6514400E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.6048000E+03  0.5428910E-10 -0.3483309E-02  0.9811058E-03 -0.7579023E-04  0.6514400E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.6120000E+03  0.3866102E-10  0.1616951E-02  0.5116179E-03 -0.5462307E-04  0.6514400E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.6192000E+03  0.2431968E-10  0.3885487E-02  0.1897780E-03 -0.3477690E-04  0.6514400E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.6264000E+03  0.1307031E-10  0.4351034E-02 -0.3524031E-05 -0.1891811E-04  0.6514400E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.6336000E+03  0.5283386E-11  0.3835693E-02 -0.9949655E-04 -0.7740920E-05  0.6514400E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.6408000E+03  0.5488147E-12  0.2918910E-02 -0.1302943E-03 -0.8139996E-06  0.6514400E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.1862960E-11  0.1959813E-02 -0.1231541E-03  0.2797375E-05  0.6514400E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.6552000E+03 -0.2715164E-11  0.1145654E-02 -0.9822333E-04  0.4127844E-05  0.6514400E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.6624000E+03 -0.2655684E-11  0.5454366E-03 -0.6864613E-04  0.4088045E-05  0.6514400E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.6696000E+03 -0.2162159E-11  0.1571220E-03 -0.4179600E-04  0.3370324E-05  0.6514400E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.6768000E+03 -0.1543601E-11 -0.5648136E-04 -0.2089081E-04  0.2436672E-05  0.6514400E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.6840000E+03 -0.9699885E-12 -0.1437654E-03 -0.6536106E-05  0.1550747E-05  0.6514400E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.6912000E+03 -0.5107813E-12 -0.1506529E-03  0.2024133E-05  0.8270972E-06  0.6514400E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.6984000E+03 -0.1714601E-12 -0.1146578E-03  0.6014125E-05  0.2812338E-06  0.6514400E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.7056000E+03  0.7661925E-13 -0.6407890E-04  0.6568252E-05 -0.1273098E-06  0.6514400E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.7128000E+03  0.2737062E-12 -0.2009721E-04  0.4451237E-05 -0.4607500E-06  0.6514400E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.4548003E-12  0.0000000E+00  0.0000000E+00 -0.7757046E-06  0.0000000E+00 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.1000000E+05  0.1418247E+00  0.5894934E+06  0.1000000E+05 -0.1305798E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
